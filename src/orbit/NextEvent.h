#pragma once
// The next single event (AOS or LOS) of a tracking-list satellite, searched
// on private copies so that the caller's state is touched only at the end.
#include <atomic>
#include <cstdint>

#include "orbit/SatState.h"

namespace tarvon {

enum NextEventKind : int32_t { kNextEventLos = 1, kNextEventAos = 2 };

struct NextEvent {
    bool found = false;
    int32_t kind = 0;       // NextEventKind
    int32_t unixTime = 0;   // whole seconds
};

// Searches from 10 seconds after the state's `now`. Ends without an event
// when `running` drops to 0 or when nothing happens within `giveUpDays`.
NextEvent FindNextEvent(const SatState& state, const ObserverGeo& observer, const std::atomic<int>& running,
                        double giveUpDays = 30.0);

// Stores the event in the state the way the tracking list reads it.
void ApplyNextEvent(SatState& state, const NextEvent& event);

}  // namespace tarvon
