#pragma once
// The scheduling state of the station: the scheduled satellites with their
// pass searches, the pass-calculation queue, the schedule list and the
// engine's state, together with the services the scheduling code uses. One
// instance is owned by the program (or a test, or the simulator) and handed
// to every thread that works on it; ScheduleLock guards it.
#include <atomic>
#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <string>
#include <thread>

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

// What the engine keeps between runs. Words that the pass runner and the
// clock thread touch without ScheduleLock are atomic; texts and references
// are changed only under ScheduleLock.
struct EngineState {
    std::atomic<int32_t> nextWakeTime{kNever};
    std::atomic<int32_t> decisionHoldUntil{0};
    std::atomic<int32_t> runnerState{0};  // 0 idle, 2 a pass runs
    std::string runningSatName;
    int32_t runningAos = 0;
    int32_t runningLos = 0;
    int32_t runningPriority = 0;
    SatelliteRef runningSat;
    std::atomic<int32_t> endRequested{0};
    std::atomic<uintptr_t> programWindow{0};
    int32_t lastPassEnd = 0;
    int32_t idleActive = 1;
    std::atomic<int32_t> nextCountdownTime{kNever};
    std::atomic<int32_t> countdownIsAos{0};
    std::string nextPassName;
    std::atomic<int32_t> listedItemCount{0};
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

    std::atomic<bool> engineRunning{false};
    bool calculationWanted = false;  // a removal asked for a calculation
    std::thread calculationThread;

    int32_t Now() { return services.platform.clock.NowUnix(); }
    int32_t Horizon() const { return static_cast<int32_t>(services.settings.general.scheduleSeconds); }
};

// The satellite of this name (exact compare), or null.
SatelliteRef FindSatStateByName(ScheduleState& s, const std::string& name);

}  // namespace tarvon
