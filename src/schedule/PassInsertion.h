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

// True when a listed pass other than `self` is of the same satellite and
// starts less than 60 s from `pass`: the same pass, found or entered twice.
bool HasCloseDuplicate(const PassList& passes, const SchedulePass& pass, const PassRef& self = nullptr);

// Sorted insert by AOS (equal AOS keep arrival order). A pass of priority 0
// goes in without checks; any other is dropped, returning false, when it has
// a close duplicate in the list.
bool InsertSorted(PassList& passes, const PassRef& pass);

// The whole insert of a newly found or loaded pass. Under ScheduleLock.
bool InsertPass(ScheduleState& s, const PassRef& pass);

// Puts an edited pass back in AOS order, without the hour windows (the caller
// has checked the duplicate rule).
void InsertEditedPass(PassList& passes, const PassRef& pass);

}  // namespace tarvon
