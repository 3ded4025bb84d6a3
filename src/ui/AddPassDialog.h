#pragma once
// "Add Pass": a pass of a chosen satellite entered by hand in the Edit
// Schedule fields.
#include <windows.h>

#include "schedule/ScheduleState.h"

namespace tarvon {

void AddPassDialog(HWND owner, ScheduleState& schedule);

}  // namespace tarvon
