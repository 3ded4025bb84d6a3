#pragma once
// Keeps the schedule filled: the start-up build, passes found by the pass
// calculation, changes of a satellite's scheduling, pass removal (which moves
// the horizon on) and the Redo Schedule command.
#include <filesystem>
#include <string>

#include "core/SatelliteConfig.h"
#include "schedule/ScheduleState.h"

namespace tarvon {

constexpr const char* kMissingSatelliteFormat =
    "Tarvon cannot find satellite %s in the keplerian database.  No passes of this satellite will be scheduled.";

// The scheduler's reading of a stored "Priority": 1..100, anything else 10.
int32_t ClampedPriority(uint32_t stored);

// Start-up: the satellites of the registry, the schedule file, the queue, and
// the first calculation.
void BuildSchedule(ScheduleState& s);
// The same with the schedule file named by the caller (headless runs).
void BuildSchedule(ScheduleState& s, const std::filesystem::path& scheduleFile);

// Turns a found pass into a schedule entry and runs the engine.
void AddFoundPass(ScheduleState& s, const ScheduledSatellite& satellite, const FoundPass& found);

void UnscheduleSatellite(ScheduleState& s, const std::string& name);

// What a saved satellite record changes in the scheduler (under one holding
// of ScheduleLock), then one engine run.
void ApplySatelliteSave(ScheduleState& s, const SatelliteConfig& config);

// The satellite save of the setup dialogs: writes every value of the record to
// its key, then applies it to the scheduler. 0 without a record.
int SaveSatellite(ScheduleState& s, RegKey& key, SatelliteConfig* config);

// Unlinks a pass (under ScheduleLock, during a walk) and re-queues its
// satellite; the calculation it wants starts once the lock is released.
PassList::iterator RemovePassAt(ScheduleState& s, PassList::iterator at);

// After "Schedule Days" grew: every satellite whose search stops short of
// the new horizon searches on. Passes already found beyond a shortened
// horizon stay; they are real passes and simply come due later.
void FollowScheduleHorizon(ScheduleState& s);

// Saves and empties the schedule, then searches every satellite afresh.
void RedoSchedule(ScheduleState& s);

}  // namespace tarvon
