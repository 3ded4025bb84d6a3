#pragma once
// The background pass calculation: walks the queue of satellites whose pass
// search is still going, one search step each per walk, one walk per hold of
// ScheduleLock, until every satellite has its passes up to the horizon.
#include "schedule/ScheduleState.h"

namespace tarvon {

// Puts a satellite at the head of the queue (once) and restarts nothing.
void QueueSatellite(ScheduleState& s, const SatelliteRef& satellite);

// The calculation itself; the thread body, also run inline by headless users.
void RunPassCalculation(ScheduleState& s);

// Stops a running calculation after its current walk, waits up to 1000 ms for
// it, and starts a new one when it has stopped; otherwise the queue waits for
// the next calculation that starts.
void StartPassCalculation(ScheduleState& s);

// Starts the calculation that a removal asked for while the lock was held.
void StartWantedCalculation(ScheduleState& s);

// Stops the calculation and waits for its thread to end (shutdown).
void StopPassCalculation(ScheduleState& s);

}  // namespace tarvon
