#include "schedule/PassCalculation.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "core/ExceptionBarrier.h"
#include "platform/Notices.h"
#include "platform/Waits.h"
#include "schedule/ScheduleBuilder.h"

namespace tarvon {
namespace {

constexpr uint32_t kIdleWaitMs = 1000;
// A day without an AOS while walking back: the satellite is always in view.
constexpr int32_t kLongestBackwardWalk = 86400;

// Set on the thread that runs a calculation: a removal it causes needs no new
// calculation, since the running one walks the queue again.
thread_local bool tInsideCalculation = false;

void TellNoPasses(ScheduleState& s, const std::string& name) {
    std::string text = "Tarvon found no pass of satellite " + name +
                       " within the schedule period; it never rises above, or never sets below, the horizon of this station.";
    s.services.platform.notices.Show(text, "Tarvon", NoticeIcon::Exclamation);
}

// One search step of a queued satellite; false when it leaves the queue. A
// satellite found to have no passes here is added to `untold` once.
bool StepSatellite(ScheduleState& s, ScheduledSatellite& satellite, int32_t now, std::vector<std::string>& untold) {
    const int64_t horizonEnd = int64_t(now) + s.Horizon();
    FoundPass found;
    if (satellite.search->Step(found)) {
        satellite.passFoundSinceQueued = true;
        satellite.searchedFrom = satellite.search->SearchTime();
        AddFoundPass(s, satellite, found);
        return found.aos <= horizonEnd;
    }
    // A whole schedule period searched without a pass: it never rises (or,
    // walking back, never sets) here.
    const int64_t reached = satellite.search->SearchTime();
    const int64_t span = std::max<int64_t>(s.Horizon(), kLongestBackwardWalk);
    const bool nothingAhead = reached > int64_t(satellite.searchedFrom) + span;
    const bool walkedBackTooFar = reached < int64_t(satellite.searchedFrom) - kLongestBackwardWalk;
    if (!nothingAhead && !walkedBackTooFar) return true;
    if ((!satellite.passFoundSinceQueued || walkedBackTooFar) && !satellite.toldNoPasses) {
        satellite.toldNoPasses = true;
        untold.push_back(satellite.name);
    }
    return false;
}

// One walk over the queue; true while satellites remain queued. The user is
// told of satellites without passes once the lock is released.
bool WalkQueue(ScheduleState& s, int32_t now) {
    std::vector<std::string> untold;
    bool remaining = false;
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        // A found pass runs the engine, whose removal of an old pass may queue
        // a satellite meanwhile: the walk goes over the queue as it stood, and
        // one queued meanwhile is stepped by the next walk.
        const std::vector<SatelliteRef> walk(s.queue.begin(), s.queue.end());
        for (const SatelliteRef& satellite : walk) {
            if (!satellite->queued || StepSatellite(s, *satellite, now, untold)) continue;
            satellite->queued = false;
            s.queue.erase(std::find(s.queue.begin(), s.queue.end(), satellite));
        }
        remaining = !s.queue.empty();
    }
    for (const std::string& name : untold) TellNoPasses(s, name);
    return remaining;
}

void JoinFinishedThread(ScheduleState& s) {
    if (s.calculationThread.joinable()) s.calculationThread.join();
}

}  // namespace

void QueueSatellite(ScheduleState& s, const SatelliteRef& satellite) {
    satellite->passFoundSinceQueued = false;
    satellite->searchedFrom = satellite->search->SearchTime();
    if (satellite->queued) return;
    satellite->queued = true;
    s.queue.push_front(satellite);
}

void RunPassCalculation(ScheduleState& s) {
    s.services.sync.passCalcIdle.Reset();
    const int32_t now = s.Now();
    s.services.flags.passCalcKeepGoing = 1;
    tInsideCalculation = true;
    while (s.services.flags.passCalcKeepGoing == 1 && WalkQueue(s, now)) {
    }
    tInsideCalculation = false;
    s.services.sync.passCalcIdle.Set();
}

void StartPassCalculation(ScheduleState& s) {
    if (tInsideCalculation) return;
    std::lock_guard<std::mutex> starting(s.calculationStart);
    s.services.flags.passCalcKeepGoing = 0;
    if (s.services.platform.waits.WaitAny({&s.services.sync.passCalcIdle}, kIdleWaitMs) != 0) return;
    if (s.services.calculateInline) {
        RunPassCalculation(s);
        return;
    }
    JoinFinishedThread(s);
    s.services.sync.passCalcIdle.Reset();
    s.calculationThread = std::thread([&s] {
        // The queue stays as it was; the next calculation that starts goes on with it.
        if (!RunGuarded(s.services.platform.log, "pass calculation", [&s] { RunPassCalculation(s); })) {
            s.services.sync.passCalcIdle.Set();
        }
    });
}

void StartWantedCalculation(ScheduleState& s) {
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        if (!s.calculationWanted) return;
        s.calculationWanted = false;
    }
    StartPassCalculation(s);
}

void StopPassCalculation(ScheduleState& s) {
    std::lock_guard<std::mutex> starting(s.calculationStart);
    s.services.flags.passCalcKeepGoing = 0;
    JoinFinishedThread(s);
}

}  // namespace tarvon
