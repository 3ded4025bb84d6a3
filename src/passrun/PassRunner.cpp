#include "passrun/PassRunner.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "core/Settings.h"
#include "passrun/PassHardware.h"
#include "passrun/PassRunTexts.h"
#include "passrun/ProgramCommandLine.h"
#include "passrun/ScheduledEvents.h"
#include "platform/Clock.h"
#include "platform/Notices.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Waits.h"
#include "schedule/SchedulePass.h"
#include "schedule/ScheduleState.h"

namespace tarvon {
namespace {

constexpr uint32_t kPathBuffer = 260;
constexpr uint32_t kEqualTimesGapMs = 250;
constexpr int32_t kBeforePassHoldExtra = 45;
constexpr int32_t kAfterPassHoldExtra = 5;
constexpr uint32_t kModemReadyTimeoutMs = 12500;
constexpr uint32_t kAfterModemMs = 1500;
constexpr uint32_t kBeforeWindowSearchMs = 1000;
constexpr int kWindowTries = 25;
constexpr uint32_t kWindowRetryMs = 2000;
constexpr uint32_t kSupervisionRoundMs = 10000;
constexpr int32_t kSupervisionAfterLos = 60;
constexpr int32_t kEndHold = 10;
constexpr uint32_t kIdleSettleMs = 100;

enum class Outcome { Continue, Shutdown };

class Runner {
public:
    Runner(PassRunnerServices& services, SchedulePass& pass)
        : s_(services), pass_(pass), name_(pass.satName) {}

    void Run() {
        s_.engine.endRequested = 0;
        s_.hardware.StartTracking(name_);
        if (RunBeforePassEvents() == Outcome::Shutdown) return;
        if (PrepareModem() == Outcome::Shutdown) return;
        std::optional<ProcessStart> start = ReadProgram();
        if (!start) return;  // no registry key: the pass never runs again
        if (RunProgram(*start) == Outcome::Shutdown) return;
        if (s_.sync.shutdown.IsSet()) return;
        RecordEnd();
        s_.hardware.StopTracking();
        RunAfterPassEvents();
        BecomeIdle();
    }

private:
    int32_t Now() { return s_.platform.clock.NowUnix(); }
    Waits& waits() { return s_.platform.waits; }
    bool ShutdownWithin(uint32_t ms) { return waits().WaitAny({&s_.sync.shutdown}, ms) == 0; }

    std::vector<ScheduleEvent> PassEvents(uint32_t kind) {
        std::lock_guard<std::recursive_mutex> lock(s_.sync.scheduleLock);
        return PassEventsInStartOrder(s_.events, kind, name_);
    }

    static uint32_t GapMs(uint32_t earlier, uint32_t later) {
        return earlier == later ? kEqualTimesGapMs : (later - earlier) * 1000u;
    }

    Outcome RunBeforePassEvents() {
        std::vector<ScheduleEvent> events = PassEvents(kRunBeforePass);
        if (events.empty()) return Outcome::Continue;
        const uint32_t shortest = events.back().time;
        s_.engine.decisionHoldUntil = Now() + static_cast<int32_t>(shortest) + kBeforePassHoldExtra;
        s_.startEventRun(events.front().name);
        for (size_t i = 1; i < events.size(); ++i) {
            waits().Sleep(GapMs(events[i].time, events[i - 1].time));
            s_.startEventRun(events[i].name);
        }
        return ShutdownWithin(shortest * 1000u) ? Outcome::Shutdown : Outcome::Continue;
    }

    Outcome PrepareModem() {
        s_.sync.modemReady.Reset();
        s_.hardware.SetModemMode(name_, s_.sync.modemReady);
        if (waits().WaitAny({&s_.sync.shutdown, &s_.sync.modemReady}, kModemReadyTimeoutMs) == 0) {
            return Outcome::Shutdown;
        }
        return ShutdownWithin(kAfterModemMs) ? Outcome::Shutdown : Outcome::Continue;
    }

    static ShowState ShowStateForRun(uint32_t run) {
        if (run == 0) return ShowState::MinimisedNoActivate;
        if (run == 1) return ShowState::Maximised;
        return ShowState::Normal;
    }

    // The program to start, or nothing when the satellite has no key.
    std::optional<ProcessStart> ReadProgram() {
        std::lock_guard<std::recursive_mutex> lock(s_.sync.scheduleLock);
        std::string path;
        std::unique_ptr<RegKey> key;
        if (FindSatelliteKey(s_.platform.registry, name_, path)) {
            key = s_.platform.registry.Open(RegRoot::LocalMachine, path);
        }
        if (!key) {
            pass_.lastRunEnd = kNever;
            s_.engine.runningSat = nullptr;
            s_.engine.runningSatName.clear();
            s_.engine.runnerState = 0;
            s_.engine.nextWakeTime = 0;
            return std::nullopt;
        }
        std::string program;
        ProcessStart start;
        uint32_t run = 2;
        RegReadString(*key, "Program", program, kPathBuffer);
        RegReadString(*key, "Directory", start.directory, kPathBuffer);
        RegReadDword(*key, "Run", run);
        start.commandLine = ExpandProgramCommandLine(program, name_);
        start.show = ShowStateForRun(run);
        if (s_.settings.general.mapDisplay == 1) s_.hardware.SelectSatelliteOnMap(name_);
        return start;
    }

    Outcome RunProgram(const ProcessStart& start) {
        if (start.commandLine.empty()) {
            waits().WaitAny({&s_.sync.shutdown, &s_.sync.passEnd}, kWaitForever);
            return Outcome::Continue;
        }
        std::unique_ptr<Process> process = s_.processes.Start(start);
        if (!process) {
            s_.platform.notices.Show(kErrorRunningProgramText, kErrorRunningProgramCaption,
                                     NoticeIcon::Exclamation);
            return Outcome::Continue;
        }
        waits().Sleep(kBeforeWindowSearchMs);
        s_.engine.programWindow = 0;
        WindowHandle window = kNoWindow;
        for (int attempt = 0; attempt < kWindowTries; ++attempt) {
            window = process->MainThreadWindow();
            if (window != kNoWindow) break;
            int woken = waits().WaitAny({&s_.sync.shutdown, &process->Exited()}, kWindowRetryMs);
            if (woken == 0) return Outcome::Shutdown;
            // A program that has already ended will show no window: its pass
            // is over, not in error.
            if (woken == 1) return Outcome::Continue;
        }
        if (window == kNoWindow) {
            s_.hardware.PlayErrorSound();
            s_.platform.notices.Show(kNoProgramWindowText, kNoProgramWindowCaption,
                                     NoticeIcon::Exclamation);
            return Outcome::Continue;
        }
        s_.engine.programWindow = static_cast<uintptr_t>(window);
        TellCompanionProgram(window);
        s_.engine.decisionHoldUntil = 0;
        s_.engine.nextWakeTime = 0;
        Supervise(*process);
        return Outcome::Continue;
    }

    // Only our own companion program understands the pass messages.
    void TellCompanionProgram(WindowHandle window) {
        if (pass_.priority == 0) return;
        WindowHandle companion =
            s_.processes.FindTopLevelWindow(kCompanionWindowClass, "VANT [" + name_ + "]");
        if (companion != window) return;
        if (pass_.listenOnly == 1) s_.processes.PostToWindow(window, WM_VANT_LISTEN_ONLY, 1, 0);
        s_.processes.PostToWindow(window, WM_VANT_LOS, 0, pass_.los);
    }

    // Until the program ends, the engine ends the pass, shutdown, or LOS + 60.
    void Supervise(Process& process) {
        const int64_t giveUp = int64_t(pass_.los) + kSupervisionAfterLos;
        for (;;) {
            const int64_t left = giveUp - Now();
            if (left <= 0) return;
            const uint32_t round =
                static_cast<uint32_t>(std::min<int64_t>(left * 1000, kSupervisionRoundMs));
            if (waits().WaitAny({&s_.sync.shutdown, &process.Exited(), &s_.sync.passEnd}, round) !=
                kWaitTimeout) {
                return;
            }
        }
    }

    void RecordEnd() {
        std::lock_guard<std::recursive_mutex> lock(s_.sync.scheduleLock);
        const int32_t now = Now();
        pass_.lastRunEnd = now;
        s_.engine.programWindow = 0;
        s_.engine.decisionHoldUntil = now + kEndHold;
        if (pass_.priority == 0) pass_.los = now;
        pass_.endedByScheduler = s_.engine.endRequested;
        pass_.runNow = 0;
    }

    void RunAfterPassEvents() {
        std::vector<ScheduleEvent> events = PassEvents(kRunAfterPass);
        if (events.empty()) return;
        s_.engine.decisionHoldUntil =
            Now() + static_cast<int32_t>(events.back().time) + kAfterPassHoldExtra;
        if (ShutdownWithin(events.front().time * 1000u)) return;
        s_.startEventRun(events.front().name);
        for (size_t i = 1; i < events.size(); ++i) {
            if (ShutdownWithin(GapMs(events[i - 1].time, events[i].time))) return;
            s_.startEventRun(events[i].name);
        }
    }

    void BecomeIdle() {
        {
            std::lock_guard<std::recursive_mutex> lock(s_.sync.scheduleLock);
            s_.engine.runningSat = nullptr;
            s_.engine.runningSatName.clear();
            s_.engine.runnerState = 0;
        }
        waits().Sleep(kIdleSettleMs);
        s_.engine.nextWakeTime = 0;
    }

    PassRunnerServices& s_;
    SchedulePass& pass_;
    const std::string name_;
};

}  // namespace

int PassRunnerThread(PassRunnerServices& services, std::shared_ptr<SchedulePass> pass) {
    if (!pass) return 1;
    Runner(services, *pass).Run();
    return 0;
}

}  // namespace tarvon
