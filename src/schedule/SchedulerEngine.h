#pragma once
// The scheduler engine: one run looks at the schedule and the time, starts,
// ends and announces passes, fires timed events, follows idle periods, and
// computes when it must look again (NextWakeTime).
#include "schedule/ScheduleState.h"

namespace tarvon {

// One run. A call made while another run is in progress returns at once.
void RunScheduler(ScheduleState& s);

// The Scheduling item of the Tracking menu: no pass is started while it is
// off (a running pass goes on); the engine runs once either way.
void SetSchedulingEnabled(ScheduleState& s, bool enabled);

}  // namespace tarvon
