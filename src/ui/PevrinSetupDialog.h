#pragma once
// "Pevrin Setup": the directory viewer's settings under SOFTWARE\Kova\Pevrin.
#include <windows.h>

namespace tarvon {

class Registry;

void PevrinSetupDialog(HWND owner, Registry& registry);

}  // namespace tarvon
