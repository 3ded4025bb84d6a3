#pragma once
// "Satellite Setup": the "Satellites" list, from which satellites are made
// (through the "Satellite Setup Wizard"), edited and deleted.
#include "ui/MainWindow.h"

namespace tarvon {

void SatellitesDialog(MainWindowState& state);

}  // namespace tarvon
