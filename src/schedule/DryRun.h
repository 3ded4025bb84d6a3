#pragma once
// The station's scheduling run over virtual time, without windows or
// programs: the real engine, a modelled pass runner and a log of every
// decision with its time. The command-line tool's simulator and the engine's
// tests use it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/memory/FakeClock.h"
#include "schedule/ScheduleState.h"

namespace tarvon {

struct DryRunEntry {
    int32_t time;
    std::string what;     // "notification", "runner start", "program start", ...
    std::string satName;  // empty for station-wide entries
};

struct ModelledProgram {
    int32_t startDelay = 2;     // runner start to program start, seconds
    int32_t closeDelay = 3;     // WM_CLOSE to the program's exit
    int32_t exitsAfter = 0;     // seconds after its start; 0 = only when told
    int32_t losGrace = 60;      // the runner gives up at LOS + this
};

// Plays the main window, the scheduled events and the pass runner for the
// engine, recording what the engine asks of them.
class DryRunWorld final : public SchedulerUi, public SchedulerPeers {
public:
    DryRunWorld(FakeClock& clock, ModelledProgram program) : clock_(clock), program_(program) {}

    void Attach(ScheduleState& state) { state_ = &state; }
    // Timed events of the station, if any: walk, Before Pass lead.
    std::function<void(int32_t now, int32_t& wake, int32_t& listed, std::vector<std::string>& due)> timedEvents;
    std::function<int32_t(const std::string& satName)> beforePassLead;

    // SchedulerUi
    void PostRunScheduler() override;
    void PostOpenNotification(std::shared_ptr<SchedulePass> pass) override;
    void PressNotificationOk(uintptr_t notifyWindow) override;
    void CloseProgramWindow(uintptr_t programWindow) override;
    // SchedulerPeers
    void StartPassRunner(std::shared_ptr<SchedulePass> pass) override;
    int32_t MaxBeforePassLead(const std::string& satName) override;
    void RunDueTimedEvents(int32_t now, int32_t& wake, int32_t& listedCount) override;
    void RunEventsOfKind(uint32_t runKind) override;
    void PlayPrePassSound(const SchedulePass& pass) override;

    // Moves the modelled runner on to the clock's time.
    void AdvanceRunner();
    // Clock-thread ticks of one second from the clock's time up to `until`.
    void RunUntil(int32_t until);

    const std::vector<DryRunEntry>& Log() const { return log_; }
    // Entries of one kind, in order.
    std::vector<DryRunEntry> Entries(const std::string& what) const;

private:
    void Record(const std::string& what, const std::string& satName);
    void FinishRunner();

    FakeClock& clock_;
    ModelledProgram program_;
    ScheduleState* state_ = nullptr;
    std::vector<DryRunEntry> log_;
    std::shared_ptr<SchedulePass> running_;
    int32_t runnerStartedAt_ = 0;
    int32_t programStartedAt_ = 0;  // 0 while not started
    int32_t closeAt_ = 0;           // 0 while not told to close
    uintptr_t nextWindow_ = 1;
};

}  // namespace tarvon
