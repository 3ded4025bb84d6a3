#pragma once
// Scheduled events: external programs (or the built-in file housekeeping)
// run before or after passes, at times of day, at intervals, or when the
// station falls idle. This file holds the in-memory lists and the timing
// rules; the runs themselves are in EventRuns.h.
#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "core/RegistryKeys.h"

namespace tarvon {

class Registry;

constexpr uint32_t kMaxEventKeys = 1000;
// "Name" holds at most 25 characters and its NUL.
constexpr uint32_t kEventNameBuffer = 26;

// The stored "Run" values, in the order of the dialog's list.
enum EventRunKind : uint32_t {
    kRunBeforePass = 0,
    kRunAfterPass = 1,
    kRunDaily = 2,
    kRunRegularly = 3,
    kRunWeekDays = 4,
    kRunWeekendDays = 5,
    kRunTarvonStartup = 6,
    kRunTarvonShutdown = 7,
    kRunOnIdle = 8,
    kRunOnEndIdle = 9,
};

// The stored "Associate" values.
enum EventAssociate : uint32_t {
    kAssociateNoSatellite = 0,
    kAssociateSingleSatellite = 1,
    kAssociateAllSatellites = 2,
    kAssociateHousekeeping = 3,
};

// Unix time meaning "never".
constexpr int64_t kNeverTime = 0x7FFFFFFF;
constexpr int64_t kNotArmed = -1;

// A pass event's Time is capped at a day: a larger lead would hold the pass
// runner for longer than the schedule looks ahead.
constexpr uint32_t kMaxPassEventSeconds = 86400;

struct ScheduleEvent {
    std::string name;       // at most 25 characters
    std::string satellite;  // at most 12 characters
    uint32_t run = 0;
    uint32_t associate = 0;
    uint32_t display = 0;
    uint32_t time = 0;  // seconds; meaning depends on run
    int64_t nextRun = kNotArmed;
};

// Both lists are guarded by ScheduleLock.
struct EventLists {
    std::list<ScheduleEvent> events;     // every loaded event, newest first
    std::vector<ScheduleEvent*> timers;  // armed events, ascending nextRun
};

// Rebuilds both lists from the active event keys. The caller holds
// ScheduleLock and runs the scheduler afterwards.
void LoadScheduledEvents(Registry& registry, int32_t now, EventLists& lists);

// When an event of a timed kind next runs, seen from `now`; kNotArmed for the
// kinds that others start. Never later than kNeverTime.
int64_t NextEventRunTime(const ScheduleEvent& event, int32_t now);

// Computes the event's next run and puts it into the timer list in order.
void ArmEvent(EventLists& lists, ScheduleEvent& event, int32_t now);

// The longest Before Pass lead among the events of this satellite; 0 if none.
uint32_t MaxBeforePassLead(const EventLists& lists, std::string_view satName);

// Copies of the Before Pass (longest Time first) or After Pass (shortest
// first) events of this satellite; equal Times keep their list order.
std::vector<ScheduleEvent> PassEventsInStartOrder(const EventLists& lists, uint32_t runKind,
                                                  std::string_view satName);

struct TimerWalkResult {
    uint32_t displayedCount = 0;  // events of the timer list shown in the schedule
    int64_t earliestNextRun = kNeverTime;
};

// The engine's walk over the timer list: every event whose time has come is
// started, taken out and re-armed. Called under ScheduleLock.
TimerWalkResult RunDueTimedEvents(EventLists& lists, int32_t now,
                                  const std::function<void(const std::string& name)>& startRun);

}  // namespace tarvon
