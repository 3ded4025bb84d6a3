#include "passrun/PassExecution.h"

#include <algorithm>
#include <mutex>

#include "passrun/PassHardware.h"
#include "platform/Clock.h"
#include "schedule/ScheduleState.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon {

PassExecution::PassExecution(PlatformServices& platform, Processes& processes, SyncObjects& sync,
                             const Settings& settings, PassHardware& hardware)
    : platform_(platform),
      sync_(sync),
      settings_(settings),
      hardware_(hardware),
      threads_(platform.log),
      eventServices_{platform, processes, sync, threads_},
      shutdownRuns_(platform.log),
      shutdownServices_{platform, processes, sync, shutdownRuns_},
      processes_(processes) {}

PassExecution::~PassExecution() { JoinThreads(); }

void PassExecution::AttachSchedule(ScheduleState& schedule) {
    schedule_ = &schedule;
    runnerServices_.reset(new PassRunnerServices{
        platform_, processes_, sync_, settings_, schedule.engine, events_, hardware_,
        [this](const std::string& name) { StartEventRun(name); }});
}

void PassExecution::RunScheduler() {
    if (schedule_) tarvon::RunScheduler(*schedule_);
}

void PassExecution::LoadScheduledEvents() {
    {
        std::lock_guard<std::recursive_mutex> lock(sync_.scheduleLock);
        tarvon::LoadScheduledEvents(platform_.registry, platform_.clock.NowUnix(), events_);
    }
    RunScheduler();
}

void PassExecution::RunStartupEvents() { RunEventsOfKind(kRunTarvonStartup); }

bool PassExecution::RunShutdownEvents(uint32_t limitMs) {
    // No scheduler run on the way out: it could only start a pass that the
    // shutdown would end at once.
    tarvon::RunEventsOfKind(shutdownServices_, kRunTarvonShutdown, nullptr);
    return shutdownRuns_.AllEndedWithin(limitMs);
}

void PassExecution::JoinThreads() {
    threads_.JoinAll();
    shutdownRuns_.JoinAll();
}

bool PassExecution::JoinThreadsWithin(uint32_t limitMs) {
    const bool runs = threads_.JoinAllWithin(limitMs);
    return shutdownRuns_.JoinAllWithin(limitMs) && runs;
}

void PassExecution::StartEventRun(const std::string& name) {
    tarvon::StartEventRun(eventServices_, name);
}

void PassExecution::StartPassRunner(std::shared_ptr<SchedulePass> pass) {
    if (!runnerServices_) return;
    threads_.Start("pass runner", [this, pass] { PassRunnerThread(*runnerServices_, pass); });
}

int32_t PassExecution::MaxBeforePassLead(const std::string& satName) {
    std::lock_guard<std::recursive_mutex> lock(sync_.scheduleLock);
    return static_cast<int32_t>(tarvon::MaxBeforePassLead(events_, satName));
}

void PassExecution::RunDueTimedEvents(int32_t now, int32_t& wake, int32_t& listedCount) {
    std::lock_guard<std::recursive_mutex> lock(sync_.scheduleLock);
    TimerWalkResult walk = tarvon::RunDueTimedEvents(
        events_, now, [this](const std::string& name) { StartEventRun(name); });
    listedCount += static_cast<int32_t>(walk.displayedCount);
    wake = static_cast<int32_t>(std::min<int64_t>(wake, walk.earliestNextRun));
}

void PassExecution::RunEventsOfKind(uint32_t runKind) {
    tarvon::RunEventsOfKind(eventServices_, runKind, [this] { RunScheduler(); });
}

void PassExecution::PlayPrePassSound(const SchedulePass& pass) { hardware_.PlayPrePassSound(pass); }

}  // namespace tarvon
