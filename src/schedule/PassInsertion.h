#pragma once
// How a new pass enters the schedule list: the station's operating and listen
// hours, the notification flag, and the sorted insert with the duplicate rule.
#include "core/Settings.h"
#include "schedule/ScheduleState.h"

namespace tarvon {

// True when hour h lies in [from, to), wrapping past midnight when to < from;
// equal hours make an empty window.
bool HourInWindow(int h, uint32_t from, uint32_t to);

// Marks the pass listen-only inside the listen window and "Display" outside the
// operating window, by the UTC hour of its AOS.
void ApplyHourWindows(SchedulePass& pass, const StationConfig& station);

// Sorted insert by AOS (equal AOS keep arrival order). A pass of priority 0
// goes in without checks; any other is dropped, returning false, when a pass
// of the same satellite lies less than 60 s away on either side.
bool InsertSorted(PassList& passes, const PassRef& pass);

// The whole insert of a newly found or loaded pass. Under ScheduleLock.
bool InsertPass(ScheduleState& s, const PassRef& pass);

// Puts an edited pass back in AOS order, without the hour windows or the
// duplicate rule.
void InsertEditedPass(PassList& passes, const PassRef& pass);

}  // namespace tarvon
