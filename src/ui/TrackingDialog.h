#pragma once
// "Tracking" (Tracking / Track): chooses the satellites of the tracking pane.
#include "ui/MainWindow.h"

namespace tarvon {

void TrackingDialog(MainWindowState& state);

}  // namespace tarvon
