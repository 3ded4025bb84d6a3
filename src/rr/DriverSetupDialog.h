#pragma once
// The driver library's set-up dialog: host and port of rotctld and rigctld,
// each with a "Test" that shows what the daemon answered.
#include <windows.h>

namespace tarvon {

class NetConnector;
class Registry;

void ShowDriverSetupDialog(HMODULE library, HWND owner, Registry& registry, NetConnector& connector);

}  // namespace tarvon
