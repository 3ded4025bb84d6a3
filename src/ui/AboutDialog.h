#pragma once
// The About box: this program's version and that of each companion program
// found in the suite directory, read from the programs' version resources.
#include <windows.h>

#include <string>

namespace tarvon {

void AboutDialog(HWND owner, const std::string& kovaDirectory);

}  // namespace tarvon
