#pragma once
// "Enable Rotator": start the rotator after a satellite, or stop it.
#include "ui/MainWindow.h"

namespace tarvon {

void EnableRotatorDialog(MainWindowState& state);

}  // namespace tarvon
