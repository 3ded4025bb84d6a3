#pragma once
// "General Setup": the station's own settings and the suite directory. The
// running station takes them at once.
#include "ui/MainWindow.h"

namespace tarvon {

void GeneralSetupDialog(MainWindowState& state);

}  // namespace tarvon
