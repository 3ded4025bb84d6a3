#pragma once
// "Setup Sounds" (menu "Soun&ds"): how the station's five events sound.
#include <windows.h>

namespace tarvon {

class Registry;

// Modal; writes the settings on OK, nothing on Cancel.
void SoundsDialog(HWND owner, Registry& registry);

}  // namespace tarvon
