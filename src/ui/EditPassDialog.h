#pragma once
// "Edit pass of %s": the times, priority, status and options of one pass.
#include <windows.h>

#include "schedule/ScheduleState.h"

namespace tarvon {

// True when the pass was changed (OK or Delete).
bool EditPassDialog(HWND owner, ScheduleState& schedule, const PassRef& pass);

}  // namespace tarvon
