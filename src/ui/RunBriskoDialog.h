#pragma once
// "Run Brisko": Brisko started by hand, minimised, for one PacSat satellite.
#include <windows.h>

#include <string>

namespace tarvon {

class Registry;
class Processes;

void RunBriskoDialog(HWND owner, Registry& registry, Processes& processes, const std::string& kovaDirectory);

}  // namespace tarvon
