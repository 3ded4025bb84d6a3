#include "passrun/ScheduledEvents.h"

#include <algorithm>
#include <memory>

#include "platform/Registry.h"

namespace tarvon {
namespace {

constexpr uint32_t kEventSatelliteBuffer = 13;
constexpr int64_t kSecondsPerDay = 86400;
// Seconds from the event's arming to the earliest moment it may run.
constexpr int64_t kArmingDelay = 2;

bool BelongsToSatellite(const ScheduleEvent& event, std::string_view satName) {
    return event.associate == kAssociateAllSatellites ||
           (event.associate == kAssociateSingleSatellite && event.satellite == satName);
}

// Sunday = 0 ... Saturday = 6; 1970-01-01 was a Thursday.
int64_t WeekdayOf(int64_t unixTime) {
    int64_t days = unixTime >= 0 ? unixTime / kSecondsPerDay
                                 : -((-unixTime + kSecondsPerDay - 1) / kSecondsPerDay);
    return ((days + 4) % 7 + 7) % 7;
}

int64_t TimeOfDayRun(const ScheduleEvent& event, int64_t t0) {
    int64_t dayStart = t0 - ((t0 % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
    int64_t moment = dayStart + static_cast<int64_t>(event.time / 3600) * 3600 +
                     static_cast<int64_t>((event.time % 3600) / 60) * 60;
    if (moment < t0) moment += kSecondsPerDay;
    int64_t weekday = WeekdayOf(moment);
    if (event.run == kRunWeekDays) {
        if (weekday == 0) moment += kSecondsPerDay;
        if (weekday == 6) moment += 2 * kSecondsPerDay;
    } else if (event.run == kRunWeekendDays && weekday >= 1 && weekday <= 5) {
        moment += (6 - weekday) * kSecondsPerDay;
    }
    return moment;
}

std::unique_ptr<ScheduleEvent> ReadActiveEvent(RegKey& key) {
    uint32_t active = 0;
    RegReadDword(key, "Active", active);
    if (active != 1) return nullptr;
    auto event = std::make_unique<ScheduleEvent>();
    RegReadString(key, "Satellite", event->satellite, kEventSatelliteBuffer);
    RegReadString(key, "Name", event->name, kEventNameBuffer);
    RegReadDword(key, "Time", event->time);
    RegReadDword(key, "Run", event->run);
    RegReadDword(key, "Associate", event->associate);
    RegReadDword(key, "Display", event->display);
    // Runs are found by name, so an event without a readable one cannot run.
    if (event->name.empty()) return nullptr;
    if (event->run == kRunBeforePass || event->run == kRunAfterPass) {
        event->time = std::min(event->time, kMaxPassEventSeconds);
    }
    return event;
}

}  // namespace

void LoadScheduledEvents(Registry& registry, int32_t now, EventLists& lists) {
    lists.timers.clear();
    lists.events.clear();
    ForEachSubkey(registry, RegRoot::LocalMachine, kEventsKeyPath, kMaxEventKeys,
                  [&](const std::string&, RegKey& key) {
                      std::unique_ptr<ScheduleEvent> event = ReadActiveEvent(key);
                      if (!event || event->run == kRunTarvonStartup || event->run == kRunTarvonShutdown) {
                          return false;
                      }
                      lists.events.push_front(std::move(*event));
                      ArmEvent(lists, lists.events.front(), now);
                      return false;
                  });
}

int64_t NextEventRunTime(const ScheduleEvent& event, int32_t now) {
    const int64_t t0 = static_cast<int64_t>(now) + kArmingDelay;
    int64_t next;
    switch (event.run) {
        case kRunRegularly:
            next = t0 + event.time;
            break;
        case kRunDaily:
        case kRunWeekDays:
        case kRunWeekendDays:
            next = TimeOfDayRun(event, t0);
            break;
        default:
            return kNotArmed;
    }
    return std::min(next, kNeverTime);
}

void ArmEvent(EventLists& lists, ScheduleEvent& event, int32_t now) {
    event.nextRun = NextEventRunTime(event, now);
    if (event.nextRun == kNotArmed) return;
    auto place = std::find_if(lists.timers.begin(), lists.timers.end(),
                              [&](const ScheduleEvent* e) { return e->nextRun >= event.nextRun; });
    lists.timers.insert(place, &event);
}

uint32_t MaxBeforePassLead(const EventLists& lists, std::string_view satName) {
    uint32_t lead = 0;
    for (const ScheduleEvent& event : lists.events) {
        if (event.run == kRunBeforePass && BelongsToSatellite(event, satName)) {
            lead = std::max(lead, event.time);
        }
    }
    return lead;
}

std::vector<ScheduleEvent> PassEventsInStartOrder(const EventLists& lists, uint32_t runKind,
                                                  std::string_view satName) {
    std::vector<ScheduleEvent> chosen;
    for (const ScheduleEvent& event : lists.events) {
        if (event.run == runKind && BelongsToSatellite(event, satName)) chosen.push_back(event);
    }
    if (runKind == kRunBeforePass) {
        std::stable_sort(chosen.begin(), chosen.end(),
                         [](const auto& a, const auto& b) { return a.time > b.time; });
    } else {
        std::stable_sort(chosen.begin(), chosen.end(),
                         [](const auto& a, const auto& b) { return a.time < b.time; });
    }
    return chosen;
}

TimerWalkResult RunDueTimedEvents(EventLists& lists, int32_t now,
                                  const std::function<void(const std::string& name)>& startRun) {
    TimerWalkResult result;
    size_t i = 0;
    while (i < lists.timers.size()) {
        ScheduleEvent* event = lists.timers[i];
        if (event->display) ++result.displayedCount;
        if (event->nextRun > now) {
            result.earliestNextRun = std::min(result.earliestNextRun, event->nextRun);
            ++i;
            continue;
        }
        startRun(event->name);
        lists.timers.erase(lists.timers.begin() + static_cast<std::ptrdiff_t>(i));
        ArmEvent(lists, *event, now);
        // Re-arming moved the event, so the walk and its count start over.
        result = TimerWalkResult{};
        i = 0;
    }
    return result;
}

}  // namespace tarvon
