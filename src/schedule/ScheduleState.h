#pragma once
// The scheduling state of the station: the scheduled satellites with their
// pass searches, the pass-calculation queue, the schedule list and the
// engine's state, together with the services the scheduling code uses. One
// instance is owned by the program (or a test, or the simulator) and handed
// to every thread that works on it; ScheduleLock guards it, except for the
// values whose own rule says otherwise.
#include <atomic>
#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/ProcessState.h"
#include "core/SatelliteConfig.h"
#include "platform/Clock.h"
#include "core/Settings.h"
#include "schedule/SchedulePass.h"
#include "schedule/SchedulerPorts.h"
#include "schedule/TrackingList.h"

namespace tarvon {

struct ScheduledSatellite {
    std::string name;
    int32_t priority = kLowestPriority;
    int32_t state = 3;       // 0 run, 1 display only, 2 or more not scheduled
    int32_t minElevation = 0;
    int32_t minPassTime = 0;  // seconds
    int32_t startLead = kDefaultStartLead;
    std::unique_ptr<PassSearch> search;
    bool queued = false;  // in the pass-calculation queue; out of it once its passes reach the horizon
    bool passFoundSinceQueued = false;
    int32_t searchedFrom = 0;  // search time when queued or at the last pass found
    bool toldNoPasses = false;
};

using SatelliteRef = std::shared_ptr<ScheduledSatellite>;
using PassRef = std::shared_ptr<SchedulePass>;
using PassList = std::list<PassRef>;

// What the engine keeps between runs. Each value has one rule, written next
// to it: "atomic" values may be read and written by any thread; "lock" values
// only under ScheduleLock.
struct EngineState {
    // atomic: any thread sets 0 to have the clock thread run the engine at its next tick.
    std::atomic<int32_t> nextWakeTime{kNever};
    // atomic: written by the engine and the pass runner; neither may shorten the other's hold.
    std::atomic<int32_t> decisionHoldUntil{0};
    // atomic: 0 idle, 2 a pass runs; the engine sets 2, the runner sets 0.
    std::atomic<int32_t> runnerState{0};
    // lock: the running pass, set by the engine when it starts one, cleared by the runner.
    std::string runningSatName;
    int32_t runningAos = 0;
    int32_t runningLos = 0;
    int32_t runningPriority = 0;
    SatelliteRef runningSat;
    // lock: the records of the passes run lately (until 300 s after their LOS).
    // Each carries its run's history (lastRunEnd, endedByScheduler); when the
    // schedule loses one (Redo, a satellite unscheduled and scheduled again)
    // and its pass is found again, that record is listed again instead of a
    // copy without the history, and the runner's end record still lands in it.
    std::vector<PassRef> workedPasses;
    // atomic: set by the engine when it ends the pass, cleared by the runner.
    std::atomic<int32_t> endRequested{0};
    // atomic: written by the runner (and cleared by Redo), read to close the program.
    std::atomic<uintptr_t> programWindow{0};
    // lock: the engine's own.
    int32_t lastPassEnd = 0;
    int32_t idleActive = 1;
    // atomic: written by the engine, read by the clock thread and the window.
    std::atomic<int32_t> nextCountdownTime{kNever};
    std::atomic<int32_t> countdownIsAos{0};
    // lock: written by the engine, read by the clock thread and the window.
    std::string nextPassName;
    // atomic: written by the engine and the schedule save, read by the window.
    std::atomic<int32_t> listedItemCount{0};
    // atomic: written by the window when the user scrolls, and by the clock thread.
    std::atomic<int32_t> scrollTime{kNever};
};

struct ScheduleServices {
    PlatformServices& platform;
    SyncObjects& sync;
    RunFlags& flags;
    const Settings& settings;
    PassSource& passSource;
    SchedulerUi& ui;
    SchedulerPeers& peers;
    // Headless runs (tests, the simulator) search passes on the calling
    // thread instead of a background thread.
    bool calculateInline = false;
};

struct ScheduleState {
    explicit ScheduleState(const ScheduleServices& s) : services(s) {}
    ~ScheduleState();
    ScheduleState(const ScheduleState&) = delete;
    ScheduleState& operator=(const ScheduleState&) = delete;

    ScheduleServices services;
    std::list<SatelliteRef> satellites;  // newest first
    std::deque<SatelliteRef> queue;      // pass-calculation queue, head first
    PassList passes;                     // ascending AOS
    EngineState engine;
    TrackingList tracking;

    // atomic: one engine run at a time; a caller that finds one in progress
    // sets runRequested, and the run in progress runs once more for it.
    std::atomic<bool> engineRunning{false};
    std::atomic<bool> runRequested{false};
    // lock: a removal asked for a calculation, started once the lock is released.
    bool calculationWanted = false;
    // calculationStart: whoever starts, stops or joins the calculation thread
    // holds it, so that two starters never share (or overwrite) the thread.
    std::mutex calculationStart;
    std::thread calculationThread;

    int32_t Now() { return services.platform.clock.NowUnix(); }
    int32_t Horizon() const { return static_cast<int32_t>(services.settings.general.scheduleSeconds); }
};

// The satellite of this name (exact compare), or null.
SatelliteRef FindSatStateByName(ScheduleState& s, const std::string& name);

}  // namespace tarvon
