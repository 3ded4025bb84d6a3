#pragma once
// "Schedule Events": making, changing and deleting the scheduled events.
// Each change is saved at once and the station's armed events are reloaded.
#include "ui/MainWindow.h"

namespace tarvon {

void ScheduleEventsDialog(MainWindowState& state);

}  // namespace tarvon
