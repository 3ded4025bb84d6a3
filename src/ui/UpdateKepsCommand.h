#pragma once
// "Update Satellite Database": an element file the user chooses is read into
// Kova.KEP, what happened to each satellite is reported, and the running
// station takes the new elements.
#include "ui/MainWindow.h"

namespace tarvon {

void UpdateKepsCommand(MainWindowState& state);

}  // namespace tarvon
