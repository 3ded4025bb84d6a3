#include "passrun/PassRunner.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

#include "core/ExceptionBarrier.h"
#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "core/Settings.h"
#include "core/TimeFormat.h"
#include "passrun/PassHardware.h"
#include "passrun/PassRunTexts.h"
#include "passrun/ProgramCommandLine.h"
#include "passrun/ScheduledEvents.h"
#include "platform/Clock.h"
#include "platform/Notices.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/StationLog.h"
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

std::string LogTime(int32_t t) { return FormatUnixTime(t, "%Y-%m-%d %H:%M:%S"); }

// The engine's own hold (15 s after it ends a pass) is never shortened here.
void HoldDecisionsUntil(EngineState& engine, int32_t t) {
    int32_t held = engine.decisionHoldUntil;
    while (held < t && !engine.decisionHoldUntil.compare_exchange_weak(held, t)) {
    }
}

// The pass record is shared with the user's edits, so the runner reads and
// writes it only under ScheduleLock. Its own steps work on this copy.
struct PassFacts {
    std::string name;
    int32_t aos = 0;
    int32_t los = 0;
    int32_t priority = 0;
    int32_t listenOnly = 0;
};

class Runner {
public:
    Runner(PassRunnerServices& services, SchedulePass& pass) : s_(services), pass_(pass), facts_(Read()) {}

    void Run() {
        s_.engine.endRequested = 0;
        s_.hardware.StartTracking(facts_.name);
        if (RunBeforePassEvents() == Outcome::Shutdown) return Closed();
        if (PrepareModem() == Outcome::Shutdown) return Closed();
        std::optional<ProcessStart> start = ReadProgram();
        if (!start) return Log("the satellite has no configuration; the pass is not run again");
        if (RunProgram(*start) == Outcome::Shutdown) return Closed();
        if (s_.sync.shutdown.IsSet()) return Closed();
        RecordEnd();
        s_.hardware.StopTracking();
        RunAfterPassEvents();
        BecomeIdle();
    }

    // After an exception: the station must not stay busy with this pass for good.
    void Abandon() {
        if (s_.sync.shutdown.IsSet()) return;
        how_ = "the pass runner failed";
        RecordEnd();
        RunGuarded(s_.platform.log, "pass runner", [this] { s_.hardware.StopTracking(); });
        BecomeIdle();
    }

private:
    int32_t Now() { return s_.platform.clock.NowUnix(); }
    Waits& waits() { return s_.platform.waits; }
    bool ShutdownWithin(uint32_t ms) { return waits().WaitAny({&s_.sync.shutdown}, ms) == 0; }

    PassFacts Read() {
        std::lock_guard<std::recursive_mutex> lock(s_.sync.scheduleLock);
        return {pass_.satName, pass_.aos, pass_.los, pass_.priority, pass_.listenOnly};
    }

    // The planned times: the log tells what was meant and what happened.
    std::string LogHeader() {
        return "Pass of " + facts_.name + ", AOS " + LogTime(facts_.aos) + ", LOS " + LogTime(facts_.los) + ": ";
    }
    void Log(const std::string& how) {
        std::string line = LogHeader();
        if (programStart_ != 0) line += "program ran " + LogTime(programStart_) + " to " + LogTime(Now()) + ", ";
        s_.platform.log.Record(line + how);
    }
    void Closed() { Log("Tarvon was closed during the pass"); }

    std::vector<ScheduleEvent> PassEvents(uint32_t kind) {
        std::lock_guard<std::recursive_mutex> lock(s_.sync.scheduleLock);
        return PassEventsInStartOrder(s_.events, kind, facts_.name);
    }

    static uint32_t GapMs(uint32_t earlier, uint32_t later) {
        return earlier == later ? kEqualTimesGapMs : (later - earlier) * 1000u;
    }

    void HoldDecisionsUntil(int32_t t) { tarvon::HoldDecisionsUntil(s_.engine, t); }

    Outcome RunBeforePassEvents() {
        std::vector<ScheduleEvent> events = PassEvents(kRunBeforePass);
        if (events.empty()) return Outcome::Continue;
        const uint32_t shortest = events.back().time;
        HoldDecisionsUntil(Now() + static_cast<int32_t>(shortest) + kBeforePassHoldExtra);
        s_.startEventRun(events.front().name);
        for (size_t i = 1; i < events.size(); ++i) {
            waits().Sleep(GapMs(events[i].time, events[i - 1].time));
            s_.startEventRun(events[i].name);
        }
        return ShutdownWithin(shortest * 1000u) ? Outcome::Shutdown : Outcome::Continue;
    }

    Outcome PrepareModem() {
        s_.sync.modemReady.Reset();
        s_.hardware.SetModemMode(facts_.name, s_.sync.modemReady);
        if (waits().WaitAny({&s_.sync.shutdown, &s_.sync.modemReady}, kModemReadyTimeoutMs) == 0) {
            return Outcome::Shutdown;
        }
        return ShutdownWithin(kAfterModemMs) ? Outcome::Shutdown : Outcome::Continue;
    }

    // The program to start, or nothing when the satellite has no key.
    std::optional<ProcessStart> ReadProgram() {
        std::lock_guard<std::recursive_mutex> lock(s_.sync.scheduleLock);
        std::string path;
        std::unique_ptr<RegKey> key;
        if (FindSatelliteKey(s_.platform.registry, facts_.name, path)) {
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
        start.commandLine = ExpandProgramCommandLine(program, facts_.name);
        start.show = ShowStateForRun(run);
        if (s_.settings.general.mapDisplay == 1) s_.hardware.SelectSatelliteOnMap(facts_.name);
        return start;
    }

    Outcome RunProgram(const ProcessStart& start) {
        if (start.commandLine.empty()) {
            waits().WaitAny({&s_.sync.shutdown, &s_.sync.passEnd}, kWaitForever);
            how_ = "no program is configured, " + EndedFromOutside();
            return Outcome::Continue;
        }
        std::unique_ptr<Process> process = s_.processes.Start(start);
        if (!process) {
            how_ = "the program could not be started: " + start.commandLine;
            s_.platform.notices.Show(kErrorRunningProgramText, kErrorRunningProgramCaption,
                                     NoticeIcon::Exclamation);
            return Outcome::Continue;
        }
        programStart_ = Now();
        s_.platform.log.Record(LogHeader() + "program started: " + start.commandLine);
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
            if (woken == 1) {
                how_ = "the program ended before it showed a window";
                return Outcome::Continue;
            }
        }
        if (window == kNoWindow) {
            how_ = "the program showed no window and was left running";
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
        const PassFacts now = Read();
        if (now.priority == 0) return;
        WindowHandle companion =
            s_.processes.FindTopLevelWindow(kCompanionWindowClass, "VANT [" + facts_.name + "]");
        if (companion != window) return;
        if (now.listenOnly == 1) s_.processes.PostToWindow(window, WM_VANT_LISTEN_ONLY, 1, 0);
        s_.processes.PostToWindow(window, WM_VANT_LOS, 0, now.los);
    }

    std::string EndedFromOutside() {
        if (s_.engine.endRequested == 1) return "ended by the scheduler";
        if (s_.sync.passEnd.IsSet()) return "ended by the user";
        return "the program closed by itself";
    }

    // Until the program ends, the engine ends the pass, shutdown, or LOS + 60
    // (the LOS as it stands, should the user edit it meanwhile).
    void Supervise(Process& process) {
        for (;;) {
            const int64_t left = int64_t(Read().los) + kSupervisionAfterLos - Now();
            if (left <= 0) {
                how_ = "the program was still running 60 s after LOS";
                return;
            }
            const uint32_t round =
                static_cast<uint32_t>(std::min<int64_t>(left * 1000, kSupervisionRoundMs));
            if (waits().WaitAny({&s_.sync.shutdown, &process.Exited(), &s_.sync.passEnd}, round) !=
                kWaitTimeout) {
                how_ = EndedFromOutside();
                return;
            }
        }
    }

    void RecordEnd() {
        std::lock_guard<std::recursive_mutex> lock(s_.sync.scheduleLock);
        RecordPassEnd(pass_, s_.engine, Now());
        Log(how_);
    }

    void RunAfterPassEvents() {
        std::vector<ScheduleEvent> events = PassEvents(kRunAfterPass);
        if (events.empty()) return;
        HoldDecisionsUntil(Now() + static_cast<int32_t>(events.back().time) + kAfterPassHoldExtra);
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
    PassFacts facts_;
    int32_t programStart_ = 0;
    std::string how_;
};

}  // namespace

void RecordPassEnd(SchedulePass& pass, EngineState& engine, int32_t now) {
    pass.lastRunEnd = now;
    engine.programWindow = 0;
    HoldDecisionsUntil(engine, now + kEndHold);
    if (pass.priority == 0) pass.los = now;
    pass.endedByScheduler = engine.endRequested;
    pass.runNow = 0;
}

int PassRunnerThread(PassRunnerServices& services, std::shared_ptr<SchedulePass> pass) {
    if (!pass) return 1;
    Runner runner(services, *pass);
    if (!RunGuarded(services.platform.log, "pass runner", [&runner] { runner.Run(); })) runner.Abandon();
    return 0;
}

}  // namespace tarvon
