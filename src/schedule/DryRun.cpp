#include "schedule/DryRun.h"

#include <mutex>

#include "passrun/PassRunner.h"
#include "passrun/ScheduledEvents.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon {

void DryRunWorld::Record(const std::string& what, const std::string& satName) {
    log_.push_back({clock_.NowUnix(), what, satName});
}

std::vector<DryRunEntry> DryRunWorld::Entries(const std::string& what) const {
    std::vector<DryRunEntry> found;
    for (const DryRunEntry& entry : log_) {
        if (entry.what == what) found.push_back(entry);
    }
    return found;
}

void DryRunWorld::PostRunScheduler() { state_->engine.nextWakeTime = 0; }

void DryRunWorld::PostOpenNotification(std::shared_ptr<SchedulePass> pass) {
    pass->notifyWindow = nextWindow_++;
}

void DryRunWorld::PressNotificationOk(uintptr_t notifyWindow) {
    for (const PassRef& pass : state_->passes) {
        if (pass->notifyWindow != notifyWindow) continue;
        pass->notifyWindow = 0;
        Record("notification closed", pass->satName);
    }
}

void DryRunWorld::CloseProgramWindow(uintptr_t) {
    if (closeAt_ == 0) closeAt_ = clock_.NowUnix() + program_.closeDelay;
}

void DryRunWorld::StartPassRunner(std::shared_ptr<SchedulePass> pass) {
    running_ = std::move(pass);
    runnerStartedAt_ = clock_.NowUnix();
    programStartedAt_ = 0;
    closeAt_ = 0;
    state_->engine.endRequested = 0;
    Record("runner start", running_->satName);
}

int32_t DryRunWorld::MaxBeforePassLead(const std::string& satName) {
    return beforePassLead ? beforePassLead(satName) : 0;
}

void DryRunWorld::RunDueTimedEvents(int32_t now, int32_t& wake, int32_t& listedCount) {
    if (!timedEvents) return;
    std::vector<std::string> due;
    timedEvents(now, wake, listedCount, due);
    for (const std::string& name : due) Record("timed event due: " + name, "");
}

void DryRunWorld::RunEventsOfKind(uint32_t runKind) {
    Record(runKind == kRunOnIdle ? "idle start" : "idle end", "");
}

void DryRunWorld::PlayPrePassSound(const SchedulePass& pass) { Record("notification", pass.satName); }

void DryRunWorld::FinishRunner() {
    EngineState& e = state_->engine;
    const int32_t now = clock_.NowUnix();
    {
        std::lock_guard<std::recursive_mutex> lock(state_->services.sync.scheduleLock);
        RecordPassEnd(*running_, e, now);
        Record("runner finished", running_->satName);
        e.runningSat.reset();
        e.runningSatName.clear();
        e.runnerState = 0;
        e.nextWakeTime = 0;
    }
    running_.reset();
}

void DryRunWorld::AdvanceRunner() {
    if (!running_) return;
    EngineState& e = state_->engine;
    const int32_t now = clock_.NowUnix();
    if (programStartedAt_ == 0) {
        if (state_->services.sync.passEnd.IsSet()) return FinishRunner();
        if (now < runnerStartedAt_ + program_.startDelay) return;
        programStartedAt_ = now;
        e.programWindow = nextWindow_++;
        e.decisionHoldUntil = 0;
        e.nextWakeTime = 0;
        Record("program start", running_->satName);
        return;
    }
    const bool toldToClose = closeAt_ != 0 && now >= closeAt_;
    const bool endedItself = program_.exitsAfter > 0 && now >= programStartedAt_ + program_.exitsAfter;
    const bool pastLos = int64_t(now) >= int64_t(running_->los) + program_.losGrace;
    const bool endWithoutWindow = state_->services.sync.passEnd.IsSet() && e.programWindow == 0;
    if (toldToClose || endedItself || pastLos || endWithoutWindow) FinishRunner();
}

void DryRunWorld::RunUntil(int32_t until) {
    int32_t lastEndRequested = state_->engine.endRequested;
    for (int32_t now = clock_.NowUnix(); now <= until; ++now) {
        clock_.SetNowUnix(now);
        AdvanceRunner();
        if (now >= state_->engine.nextWakeTime) RunScheduler(*state_);
        const int32_t endRequested = state_->engine.endRequested;
        if (endRequested == 1 && lastEndRequested == 0 && running_) Record("end requested", running_->satName);
        lastEndRequested = endRequested;
    }
}

}  // namespace tarvon
