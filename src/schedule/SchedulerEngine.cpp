#include "schedule/SchedulerEngine.h"

#include <algorithm>
#include <climits>
#include <mutex>

#include "core/ExceptionBarrier.h"
#include "passrun/ScheduledEvents.h"
#include "platform/Notices.h"
#include "schedule/PassCalculation.h"
#include "schedule/ScheduleBuilder.h"

namespace tarvon {
namespace {

constexpr int32_t kStaleAfterLos = 300;
constexpr int32_t kSelfEndedRestHours = 3600;
constexpr int32_t kScheduledEndPenalty = 75;
constexpr int32_t kNotifyTooLate = 21;
constexpr int32_t kPressOkBeforeAos = 20;
constexpr int32_t kConflictMargin = 15;
constexpr int32_t kStartHold = 30;
constexpr int32_t kEndHold = 15;
constexpr int32_t kEndBeforeBetterPass = 10;
constexpr int32_t kIdleEndsBefore = 90;
constexpr int32_t kIdleNeedsFree = 300;
constexpr int32_t kIdleAfterPassEnd = 60;
constexpr int32_t kRetryAfterFailure = 10;

int32_t Clamp32(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// The values one run works with.
struct Run {
    ScheduleState& s;
    int32_t now;
    int32_t wake = kNever;
    int32_t earliestAos = kNever;
    int32_t listed = 0;
    int32_t action;
    PassRef best;
    int32_t popUpTime;
    int32_t passEndTime;
    bool popUps;

    explicit Run(ScheduleState& state, int32_t t)
        : s(state), now(t), action(t - kStaleAfterLos),
          popUpTime(int32_t(state.services.settings.general.popUpTime)),
          passEndTime(int32_t(state.services.settings.general.passEndTime)),
          popUps(state.services.settings.general.messagePopUps == 1) {}

    void Lower(int64_t t) { wake = std::min(wake, Clamp32(t)); }
};

// The priority a listed pass competes with; false when it rests for an hour
// after its program ended by itself.
bool RatePass(Run& r, SchedulePass& p) {
    p.effectivePriority = p.priority;
    if (p.runNow == 1) {
        p.effectivePriority = 0;
    } else if (p.lastRunEnd != 0) {
        if (p.endedByScheduler == 0 && int64_t(p.lastRunEnd) + kSelfEndedRestHours >= r.now) {
            p.effectivePriority = kNotEligible;
            return false;
        }
        if (p.endedByScheduler == 0) {
            p.lastRunEnd = 0;
        } else {
            p.effectivePriority = Clamp32(int64_t(p.priority) + kScheduledEndPenalty);
        }
    }
    return true;
}

void Notify(Run& r, const PassRef& p) {
    if (p->notified == 0) {
        const int64_t t = int64_t(p->aos) - r.popUpTime;
        if (t < r.now && int64_t(p->aos) - kNotifyTooLate > r.now) {
            p->notified = 1;
            r.s.services.peers.PlayPrePassSound(*p);
            if (r.popUps) r.s.services.ui.PostOpenNotification(p);
        } else if (t < r.now) {
            // Too close to AOS to be of use; it is no longer due.
            p->notified = 1;
        } else {
            r.Lower(t);
        }
        return;
    }
    if (!r.popUps) return;
    if (int64_t(p->aos) - kPressOkBeforeAos < r.now) {
        if (p->notifyWindow != 0) r.s.services.ui.PressNotificationOk(p->notifyWindow);
    } else {
        r.Lower(int64_t(p->aos) - kPressOkBeforeAos);
    }
}

void WalkSchedule(Run& r) {
    EngineState& e = r.s.engine;
    e.nextPassName.clear();
    for (auto it = r.s.passes.begin(); it != r.s.passes.end();) {
        const PassRef p = *it;
        if (int64_t(p->los) < int64_t(r.now) - kStaleAfterLos) {
            it = RemovePassAt(r.s, it);
            continue;
        }
        ++it;
        if (p->los < r.now) {
            p->effectivePriority = kNotEligible;
            continue;
        }
        ++r.listed;
        if (!RatePass(r, *p)) continue;
        r.Lower(p->los);
        if (r.now < p->aos) r.Lower(p->aos);
        if (p->state != 0) {
            p->effectivePriority = kNotEligible;
            continue;
        }
        const bool lowElevation = p->elevationOk == 0 && p->runRegardlessOfElevation == 0;
        if (p->effectivePriority != 0 &&
            (lowElevation || int64_t(p->los) - p->minPassTime < r.now)) {
            p->effectivePriority = kNotEligible;
            continue;
        }
        Notify(r, p);
        if (r.now < p->aos && p->aos < e.nextCountdownTime) {
            e.nextCountdownTime = p->aos;
            e.nextPassName = p->satName;
            e.countdownIsAos = 1;
        }
        if (p->aos < r.earliestAos) {
            r.earliestAos = p->aos;
            r.best = p;
        }
    }
}

void ShowRunningCountdown(Run& r) {
    EngineState& e = r.s.engine;
    if (e.runnerState != 2 || !(e.runningAos <= r.now && r.now < e.runningLos)) return;
    e.nextCountdownTime = e.runningLos;
    if (e.nextPassName != e.runningSatName) {
        e.nextPassName = e.runningSatName;
        r.s.services.platform.notices.RequestRedraw(RedrawTarget::MainWindow);
    }
    e.countdownIsAos = 0;
}

PassRef ConflictCandidate(Run& r) {
    PassRef candidate;
    const int64_t bestEnd = int64_t(r.best->los) + r.passEndTime;
    for (const PassRef& e : r.s.passes) {
        if (e == r.best || e->effectivePriority == kNotEligible) continue;
        if (bestEnd < int64_t(e->aos) - e->startLead - kConflictMargin) continue;
        if (!candidate || (e->effectivePriority < candidate->effectivePriority && e->aos < candidate->aos)) {
            candidate = e;
        }
    }
    return candidate;
}

void ResolveConflict(Run& r, const PassRef& c) {
    const SchedulePass& best = *r.best;
    const int64_t effStart = std::max(r.now, best.aos);
    const bool bestTooShort = int64_t(best.los) - effStart < best.minPassTime;
    if (c->effectivePriority < best.effectivePriority) {
        const int64_t cs = int64_t(c->aos) - c->startLead;
        if (int64_t(best.los) + r.passEndTime > cs) {
            if (cs < r.now || best.minPassTime > cs - effStart) {
                r.best = c;
            } else {
                r.Lower(cs);
            }
        }
    } else if (r.s.engine.runnerState != 0) {
        if (bestTooShort && best.satName != r.s.engine.runningSatName) r.best = c;
    } else if (bestTooShort) {
        r.best = c;
    }
}

void StartPass(Run& r) {
    EngineState& e = r.s.engine;
    const SchedulePass& best = *r.best;
    // A pass the user runs now is exempt from the minimum time here too.
    if (best.effectivePriority != 0 && best.minPassTime > int64_t(best.los) - r.now) {
        r.action = Clamp32(int64_t(best.los) + 1);
        return;
    }
    const int64_t start =
        int64_t(best.aos) - r.s.services.peers.MaxBeforePassLead(best.satName) - best.startLead;
    r.action = Clamp32(start);
    if (start > r.now) return;
    e.runningSat = FindSatStateByName(r.s, best.satName);
    e.runningSatName = best.satName;
    e.runnerState = 2;
    e.runningPriority = best.effectivePriority;
    e.runningAos = best.aos;
    e.runningLos = best.los;
    r.s.services.sync.passEnd.Reset();
    const int32_t hold = e.decisionHoldUntil;
    e.decisionHoldUntil = r.now + kStartHold;
    try {
        r.s.services.peers.StartPassRunner(r.best);
    } catch (...) {
        // No runner (a thread that cannot be made): the station is free for
        // the next run to try again.
        e.runnerState = 0;
        e.runningSat = nullptr;
        e.runningSatName.clear();
        e.decisionHoldUntil = hold;
        throw;
    }
    std::erase_if(e.workedPasses, [&r](const PassRef& p) { return int64_t(p->los) < int64_t(r.now) - kStaleAfterLos; });
    e.workedPasses.push_back(r.best);
    r.action = 0;
}

void EndPassIfDue(Run& r) {
    EngineState& e = r.s.engine;
    int64_t action = int64_t(e.runningLos) + r.passEndTime;
    if (r.best && r.best->satName != e.runningSatName) {
        const int64_t bestStart = int64_t(r.best->aos) - r.best->startLead;
        if (bestStart < action && r.best->effectivePriority < e.runningPriority) {
            action = bestStart - kEndBeforeBetterPass;
        }
    }
    r.action = Clamp32(action);
    if (action > r.now) return;
    e.endRequested = 1;
    r.s.services.sync.passEnd.Set();
    if (uintptr_t window = e.programWindow) r.s.services.ui.CloseProgramWindow(window);
    e.lastPassEnd = r.now;
    e.decisionHoldUntil = r.now + kEndHold;
    r.action = 0;
}

void FollowIdle(Run& r) {
    EngineState& e = r.s.engine;
    if (e.idleActive == 1) {
        if (int64_t(r.now) + kIdleEndsBefore <= r.action) {
            r.Lower(int64_t(r.action) - kIdleEndsBefore);
        } else {
            r.s.services.sync.idle.Set();
            e.idleActive = 0;
            r.s.services.peers.RunEventsOfKind(kRunOnEndIdle);
        }
    }
    if (e.idleActive == 0 && e.runnerState == 0 && int64_t(r.now) + kIdleNeedsFree < r.action) {
        const int64_t t = int64_t(e.lastPassEnd) + kIdleAfterPassEnd;
        if (t < r.now) {
            e.idleActive = 1;
            r.s.services.sync.idle.Reset();
            r.s.services.peers.RunEventsOfKind(kRunOnIdle);
        } else {
            r.Lower(t);
        }
    }
}

void RunOnce(ScheduleState& s) {
    EngineState& e = s.engine;
    e.nextWakeTime = kNever;
    e.nextCountdownTime = kNever;
    if (s.passes.empty()) return;

    Run r(s, s.Now());
    r.s.services.peers.RunDueTimedEvents(r.now, r.wake, r.listed);
    WalkSchedule(r);
    e.listedItemCount = r.listed;
    ShowRunningCountdown(r);
    s.services.platform.notices.RequestRedraw(RedrawTarget::SchedulePane);

    if (r.now < e.decisionHoldUntil) {
        e.nextWakeTime = std::min<int32_t>(r.wake, e.decisionHoldUntil);
        return;
    }
    if (s.services.flags.schedulingEnabled == 0 || s.passes.empty()) return;

    if (r.best) {
        if (PassRef c = ConflictCandidate(r)) ResolveConflict(r, c);
    }
    if (r.best && e.runnerState == 0) {
        StartPass(r);
    } else if (e.runnerState != 0) {
        EndPassIfDue(r);
    }
    FollowIdle(r);
    e.nextWakeTime = std::min(r.wake, r.action);
}

// One run under ScheduleLock. A run that fails is recorded, and the engine
// looks again a little later (it had set NextWakeTime to "never").
void GuardedRun(ScheduleState& s) {
    const bool ran = RunGuarded(s.services.platform.log, "scheduler run", [&s] {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        RunOnce(s);
    });
    if (!ran) s.engine.nextWakeTime = Clamp32(int64_t(s.Now()) + kRetryAfterFailure);
}

}  // namespace

void RunScheduler(ScheduleState& s) {
    // A call that finds a run in progress leaves its request, and the run in
    // progress runs once more for it instead of dropping it.
    s.runRequested = true;
    for (;;) {
        bool idle = false;
        if (!s.engineRunning.compare_exchange_strong(idle, true)) return;
        while (s.runRequested.exchange(false)) GuardedRun(s);
        s.engineRunning = false;
        // A request made after the last look, by a caller that still found
        // this run in progress.
        if (!s.runRequested) break;
    }
    StartWantedCalculation(s);
}

void SetSchedulingEnabled(ScheduleState& s, bool enabled) {
    s.services.flags.schedulingEnabled = enabled ? 1 : 0;
    RunScheduler(s);
}

}  // namespace tarvon
