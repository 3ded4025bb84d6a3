#pragma once
// The program's start-up sequence and the state it owns for the process's
// whole life.
#include <windows.h>

namespace tarvon {

// Runs the station: start-up, the message loop, and the shutdown that the
// main window drives. Returns the process exit code.
int RunStation(HINSTANCE instance, int showCommand);

}  // namespace tarvon
