#pragma once
// The scheduler engine: one run looks at the schedule and the time, starts,
// ends and announces passes, fires timed events, follows idle periods, and
// computes when it must look again (NextWakeTime).
#include "schedule/ScheduleState.h"

namespace tarvon {

// One run. A call made while another run is in progress returns at once.
void RunScheduler(ScheduleState& s);

}  // namespace tarvon
