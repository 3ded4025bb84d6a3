#pragma once
// "Station Setup": the "Station" property sheet (Position, Rotator,
// Transverters). OK writes every page's values and the running station
// follows them at once; Cancel writes nothing.
#include "ui/MainWindow.h"

namespace tarvon {

void StationSetupDialog(MainWindowState& state);

}  // namespace tarvon
