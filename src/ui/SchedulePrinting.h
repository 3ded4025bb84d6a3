#pragma once
// "Print Schedule": every pass of the schedule on the default printer.
#include "ui/MainWindow.h"

namespace tarvon {

void PrintSchedule(MainWindowState& state);

}  // namespace tarvon
