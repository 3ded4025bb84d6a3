#pragma once
// The PacSat satellites in a drop-down or list box of a maintenance dialog,
// and the one the operator chose.
#include <windows.h>

#include <string>
#include <vector>

namespace tarvon {

void FillSatelliteChoice(HWND dialog, int id, const std::vector<std::string>& names);

// The chosen name; empty when nothing is chosen.
std::string ChosenSatellite(HWND dialog, int id);

}  // namespace tarvon
