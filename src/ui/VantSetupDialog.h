#pragma once
// "VANT Setup": the pass program's settings under SOFTWARE\Kova\VANT.
#include <windows.h>

namespace tarvon {

class Registry;

void VantSetupDialog(HWND owner, Registry& registry);

}  // namespace tarvon
