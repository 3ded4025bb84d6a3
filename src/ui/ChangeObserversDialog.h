#pragma once
// "Change Observers": which observers of KOVA.OBS the map shows.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "orbit/SatState.h"

namespace tarvon {

// `shown` are the names the map shows now, the station first. On OK,
// `chosen` holds the observers to show after the station: the selected
// names found in the file, in order (places added on the map, whose names
// begin with a digit, are dropped); true.
bool ChangeObserversDialog(HWND owner, const std::filesystem::path& observerFile,
                           const std::vector<std::string>& shown, std::vector<ObserverGeo>& chosen);

}  // namespace tarvon
