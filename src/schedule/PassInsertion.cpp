#include "schedule/PassInsertion.h"

#include <cstdlib>
#include <mutex>

namespace tarvon {
namespace {

constexpr int32_t kDuplicateSeconds = 60;
constexpr int32_t kTooLateToNotify = 10;

int UtcHour(int32_t unixTime) {
    int64_t secondsOfDay = ((int64_t(unixTime) % 86400) + 86400) % 86400;
    return static_cast<int>(secondsOfDay / 3600);
}

}  // namespace

bool HasCloseDuplicate(const PassList& passes, const SchedulePass& pass, const PassRef& self) {
    // Passes of other satellites may lie in between, so the whole minute on
    // either side is looked at, not only the neighbours.
    for (const PassRef& listed : passes) {
        if (listed == self || listed->satName != pass.satName) continue;
        if (std::llabs(int64_t(listed->aos) - int64_t(pass.aos)) < kDuplicateSeconds) return true;
    }
    return false;
}

bool HourInWindow(int h, uint32_t from, uint32_t to) {
    const int64_t f = from, t = to;
    if (f == t) return false;
    if (f < t) return h >= f && h < t;
    return h >= f || h < t;
}

void ApplyHourWindows(SchedulePass& pass, const StationConfig& station) {
    const int h = UtcHour(pass.aos);
    if (station.listenHours == 1 && HourInWindow(h, station.listenStart, station.listenStop)) {
        pass.listenOnly = 1;
    }
    if (station.limitHours == 1 && !HourInWindow(h, station.startHour, station.stopHour)) {
        pass.state = 1;
    }
}

bool InsertSorted(PassList& passes, const PassRef& pass) {
    if (pass->priority != 0 && HasCloseDuplicate(passes, *pass)) return false;
    InsertEditedPass(passes, pass);
    return true;
}

bool InsertPass(ScheduleState& s, const PassRef& pass) {
    std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
    ApplyHourWindows(*pass, s.services.settings.station);
    pass->notified = (int64_t(s.Now()) + kTooLateToNotify >= pass->aos) ? 1 : 0;
    pass->lastRunEnd = 0;
    return InsertSorted(s.passes, pass);
}

void InsertEditedPass(PassList& passes, const PassRef& pass) {
    auto following = passes.begin();
    while (following != passes.end() && (*following)->aos <= pass->aos) ++following;
    passes.insert(following, pass);
}

}  // namespace tarvon
