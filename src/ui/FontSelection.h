#pragma once
// Setup / Select Font: the fixed-pitch screen font of the main window (and
// the map's panel), stored in the registry and followed by the layout at once.
#include "ui/MainWindow.h"

namespace tarvon {

void SelectDisplayFont(MainWindowState& state);

}  // namespace tarvon
