#pragma once
// "Map Options": the map's drawing options, fast speed and origin.
#include <windows.h>

namespace tarvon {

class Registry;
struct GeneralSettings;

// On OK the values are stored in `general` and the registry: true.
bool MapOptionsDialog(HWND owner, Registry& registry, GeneralSettings& general);

}  // namespace tarvon
