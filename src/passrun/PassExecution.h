#pragma once
// Pass execution as the rest of the station sees it: the scheduler engine's
// peer (pass runner, timed events, idle events, the pre-pass sound) and the
// calls that start-up and shutdown make for the scheduled events. One
// instance is owned by the program (or a test) next to the schedule state.
#include <cstdint>
#include <memory>
#include <string>

#include "passrun/EventRuns.h"
#include "passrun/PassRunner.h"
#include "passrun/ScheduledEvents.h"
#include "passrun/WorkerThreads.h"
#include "schedule/SchedulerPorts.h"

namespace tarvon {

struct ScheduleState;

class PassExecution final : public SchedulerPeers {
public:
    PassExecution(PlatformServices& platform, Processes& processes, SyncObjects& sync,
                  const Settings& settings, PassHardware& hardware);
    ~PassExecution() override;

    // The schedule whose engine this serves; set once it exists.
    void AttachSchedule(ScheduleState& schedule);

    // Reloads the scheduled events from the registry and runs the scheduler.
    void LoadScheduledEvents();
    // Starts the "Tarvon Startup" events, then runs the scheduler.
    void RunStartupEvents();
    // Closing runs the "Tarvon Shutdown" events first, while the station still
    // stands, and waits up to `limitMs` for their programs to end, so that an
    // event that ends in time records its success; only then is ShutdownEvent
    // set. A program still running at the limit is left running and its run
    // ends, unrecorded, with ShutdownEvent. True when every run ended in time.
    bool RunShutdownEvents(uint32_t limitMs);
    // Waits for the runner and the event runs; call after ShutdownEvent is set.
    void JoinThreads();
    // The same for at most `limitMs`; see WorkerThreads::JoinAllWithin.
    bool JoinThreadsWithin(uint32_t limitMs);

    void StartEventRun(const std::string& name);
    EventLists& Events() { return events_; }

    // SchedulerPeers
    void StartPassRunner(std::shared_ptr<SchedulePass> pass) override;
    int32_t MaxBeforePassLead(const std::string& satName) override;
    void RunDueTimedEvents(int32_t now, int32_t& wake, int32_t& listedCount) override;
    void RunEventsOfKind(uint32_t runKind) override;
    void PlayPrePassSound(const SchedulePass& pass) override;

private:
    void RunScheduler();

    PlatformServices& platform_;
    SyncObjects& sync_;
    const Settings& settings_;
    PassHardware& hardware_;
    ScheduleState* schedule_ = nullptr;
    EventLists events_;
    WorkerThreads threads_;
    EventRunServices eventServices_;
    WorkerThreads shutdownRuns_;
    EventRunServices shutdownServices_;
    std::unique_ptr<PassRunnerServices> runnerServices_;
    Processes& processes_;
};

}  // namespace tarvon
