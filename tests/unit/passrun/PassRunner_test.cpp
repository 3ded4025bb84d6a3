#include "passrun/PassRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "Passrun_helpers.h"
#include "passrun/PassHardware.h"
#include "passrun/PassRunTexts.h"
#include "schedule/SchedulePass.h"
#include "schedule/ScheduleState.h"

namespace tarvon::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr int32_t kStart = 1796169600;

// Records what the runner asks of the hardware, with the fake clock's time.
class RecordingHardware final : public PassHardware {
public:
    RecordingHardware(Sounds& sounds, FakeClock& clock) : PassHardware(sounds), clock_(clock) {}
    void SetModemMode(const std::string& sat, Event& ready) override {
        calls.push_back("modem " + sat + " @" + std::to_string(clock_.NowUnix() - kStart));
        if (modemAnswers) ready.Set();
    }
    void StartTracking(const std::string& sat) override {
        if (trackingFails) throw std::runtime_error("rotator port gone");
        calls.push_back("track " + sat);
    }
    void StopTracking() override { calls.push_back("stop tracking"); }
    void SelectSatelliteOnMap(const std::string& sat) override { calls.push_back("map " + sat); }
    void PlayErrorSound() override { calls.push_back("error sound"); }

    std::vector<std::string> calls;
    bool modemAnswers = true;
    bool trackingFails = false;

private:
    FakeClock& clock_;
};

// A pass of SAT-1 handed to its runner, the program d:\prog\vant.exe.
struct RunnerStation : PassrunStation {
    RunnerStation() : PassrunStation(kStart) {
        RegWriteString(*registry.Open(RegRoot::LocalMachine, AddSatellite("Sat1", "SAT-1", "D:\\PROG\\VANT.EXE %S")),
                       "Directory", "D:\\PROG");
        pass->satName = "SAT-1";
        pass->aos = kStart + 25;
        pass->los = kStart + 625;
        pass->priority = 50;
        pass->listenOnly = 1;
        engine.runnerState = 2;
        engine.runningSatName = "SAT-1";
        engine.nextWakeTime = kNever;
        sync.passEnd.Reset();  // as the engine does when it starts a pass
    }
    std::unique_ptr<RegKey> SatKey() {
        return registry.Open(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\Sat1");
    }
    void Event(const std::string& name, uint32_t run, uint32_t time) {
        events.events.push_back(
            {.name = name, .satellite = {}, .run = run, .associate = kAssociateAllSatellites, .time = time});
    }
    // A program whose companion window shows after `looks` lookups and that
    // ends when the clock reaches `endsAt`.
    void CompanionProgram(const std::string& title, int looks, int32_t endsAt) {
        WindowHandle window = processes.AddWindow(kCompanionWindowClass, title);
        processes.OnStart([=](FakeProgram& p) {
            p.ShowWindowAfter(window, looks);
            return true;
        });
        waits.OnWait([=, this](const WaitCall&) {
            auto started = processes.Started();
            if (!started.empty() && clock.NowUnix() >= endsAt) started[0]->Exit(0);
        });
    }
    int RunPass() { return PassRunnerThread(services, pass); }

    EngineState engine;
    EventLists events;
    RecordingHardware hardware{sounds, clock};
    std::vector<std::string> started;
    PassRunnerServices services{platform, processes, sync, settings, engine, events, hardware,
                                [this](const std::string& name) {
                                    started.push_back(name + " @" + std::to_string(clock.NowUnix() - kStart));
                                }};
    std::shared_ptr<SchedulePass> pass = std::make_shared<SchedulePass>();
};

class PassRunnerTest : public ::testing::Test, protected RunnerStation {};

TEST_F(PassRunnerTest, NoPassIsRefused) {
    EXPECT_EQ(PassRunnerThread(services, nullptr), 1);
}

TEST_F(PassRunnerTest, CompanionProgramRunsTheWholePass) {
    engine.endRequested = 1;  // left over from an earlier pass
    CompanionProgram("VANT [SAT-1]", 2, kStart + 300);

    EXPECT_EQ(RunPass(), 0);

    ASSERT_EQ(processes.Started().size(), 1u);
    EXPECT_EQ(processes.Started()[0]->Start().directory, "D:\\PROG");

    // modem 12500 (answered at once), 1500, 1000, two misses at 2000, then
    // supervision rounds of 10000 until the program ends.
    std::vector<uint32_t> durations = {12500, 1500, 1000, 2000, 2000};
    durations.insert(durations.end(), 31, 10000);
    durations.push_back(100);
    EXPECT_EQ(waits.Durations(), durations);
    EXPECT_EQ(hardware.calls, (std::vector<std::string>{"track SAT-1", "modem SAT-1 @0",
                                                         "map SAT-1", "stop tracking"}));

    // Supervision rounds start at +6.5 s (1.5 modem, 1, two misses of 2), so
    // the program's end at +300 is seen at +306.
    EXPECT_EQ(pass->lastRunEnd, kStart + 306);
    EXPECT_EQ(pass->endedByScheduler, 0);
    EXPECT_EQ(engine.runnerState, 0);
    EXPECT_EQ(engine.decisionHoldUntil, pass->lastRunEnd + 10);
    const std::string pass = "Pass of SAT-1, AOS 2026-12-02 00:00:25, LOS 2026-12-02 00:10:25: ";
    EXPECT_THAT(log.Lines(),
                ElementsAre(pass + "program started: d:\\prog\\vant.exe SAT-1",
                            pass + "program ran 2026-12-02 00:00:01 to 2026-12-02 00:05:06, the program closed by itself"));
}

TEST_F(PassRunnerTest, BeforePassEventsLeadTheModemSetUpAndAfterPassEventsFollowTheEnd) {
    Event("E120", kRunBeforePass, 120);
    Event("E30", kRunBeforePass, 30);
    Event("E30b", kRunBeforePass, 30);
    Event("A10", kRunAfterPass, 10);
    Event("A10b", kRunAfterPass, 10);
    Event("A40", kRunAfterPass, 40);
    settings.general.mapDisplay = 0;
    RegWriteString(*SatKey(), "Program", "");
    sync.passEnd.Set();
    engine.endRequested = 0;

    RunPass();

    // Equal Times start 250 ms apart. The modem answers at once, so the pass
    // ends 1.5 s after it is asked; After Pass events count from there.
    EXPECT_EQ(started, (std::vector<std::string>{"E120 @0", "E30 @90", "E30b @90", "A10 @131", "A10b @132",
                                                 "A40 @162"}));
    EXPECT_THAT(waits.Durations(),
                ElementsAre(90000, 250, 30000, 12500, 1500, kWaitForever, 10000, 250, 30000, 100));
    EXPECT_EQ(hardware.calls[1], "modem SAT-1 @120");
    EXPECT_EQ(hardware.calls.size(), 3u);  // no map selection with Map Display 0
    EXPECT_EQ(engine.decisionHoldUntil, kStart + 121 + 40 + 5);
    EXPECT_EQ(pass->lastRunEnd, kStart + 121);
}

TEST(PassRunner, ShutdownAtAnyWaitEndsTheRunnerWithoutRecording) {
    const size_t stopAt[] = {0, 1, 2, 3, 5};  // before-pass sleep is not a wait on shutdown
    for (size_t stop : stopAt) {
        RunnerStation fresh;
        fresh.Event("B60", kRunBeforePass, 60);
        fresh.Event("A5", kRunAfterPass, 5);
        fresh.processes.OnStart([](FakeProgram&) { return true; });  // it never shows a window
        size_t waitsSeen = 0;
        fresh.waits.OnWait([&](const WaitCall& call) {
            if (call.kind == WaitCall::Kind::WaitAny && waitsSeen++ == stop) fresh.sync.shutdown.Set();
        });
        fresh.RunPass();
        EXPECT_EQ(fresh.pass->lastRunEnd, 0) << stop;
        EXPECT_EQ(fresh.engine.runnerState, 2) << stop;
        EXPECT_EQ(waitsSeen, stop + 1) << stop;
        for (const std::string& s : fresh.started) EXPECT_EQ(s.rfind("B60", 0), 0u) << s;
        EXPECT_THAT(fresh.log.Lines().back(), ::testing::EndsWith("Tarvon was closed during the pass")) << stop;
    }
}

TEST_F(PassRunnerTest, ProgramThatFailsEndsThePassWithItsMessage) {
    const struct {
        std::function<bool(FakeProgram&)> program;
        const char* notice;  // none when empty
        int32_t endsAfter;   // 1.5 s of modem, 1 s, then lookups of 2 s
        std::string how;
    } cases[] = {
        {[](FakeProgram&) { return false; }, kErrorRunningProgramText, 1,
         "the program could not be started: d:\\prog\\vant.exe SAT-1"},
        {[](FakeProgram& p) { p.Exit(0); return true; }, "", 2, "the program ended before it showed a window"},
        {[](FakeProgram&) { return true; }, kNoProgramWindowText, 1 + 1 + 50,
         "the program showed no window and was left running"},
    };
    for (const auto& c : cases) {
        RunnerStation fresh;
        fresh.processes.OnStart(c.program);
        RegWriteDword(*fresh.SatKey(), "Run", 1);  // what it means is the user programs' test's
        fresh.RunPass();
        EXPECT_EQ(fresh.processes.Started().back()->Start().show, ShowState::Maximised);
        const auto shown = fresh.notices.Shown();
        EXPECT_EQ(shown.empty() ? "" : shown[0].text, std::string(c.notice)) << c.how;
        EXPECT_EQ(fresh.pass->lastRunEnd, kStart + c.endsAfter) << c.how;
        EXPECT_EQ(fresh.engine.runnerState, 0) << c.how;
        EXPECT_TRUE(fresh.processes.Posted().empty()) << c.how;
        EXPECT_THAT(fresh.log.Lines().back(), ::testing::EndsWith(c.how));
        EXPECT_EQ(std::count(fresh.hardware.calls.begin(), fresh.hardware.calls.end(), "error sound"),
                  c.notice == kNoProgramWindowText) << c.how;
    }
}

// A program titled for another satellite, or a manual pass, gets no pass
// messages; a manual pass's LOS is where it ended.
TEST(PassRunner, NoPassMessagesForOtherTitlesOrManualPasses) {
    for (int32_t priority : {50, 0}) {
        RunnerStation fresh;
        fresh.CompanionProgram(priority ? "VANT [SAT-2]" : "VANT [SAT-1]", 0, kStart + 100);
        fresh.pass->priority = priority;
        fresh.RunPass();
        EXPECT_TRUE(fresh.processes.Posted().empty()) << priority;
        EXPECT_EQ(fresh.pass->los, priority ? kStart + 625 : fresh.pass->lastRunEnd);
    }
}

TEST_F(PassRunnerTest, SupervisionEndsAtLosPlusSixtyOrWhenTheEngineEndsThePass) {
    // A program that never ends: rounds of 10 s, the last one shorter.
    pass->los = kStart + 60;
    CompanionProgram("VANT [SAT-1]", 0, kNever);
    RunPass();
    std::vector<uint32_t> d = waits.Durations();
    // 1.5 s of modem, 1 s before the window: supervision from +2.5 to +120.
    std::vector<uint32_t> rounds(d.begin() + 3, d.end() - 1);
    EXPECT_THAT(rounds, ElementsAreArray({10000u, 10000u, 10000u, 10000u, 10000u, 10000u, 10000u,
                                          10000u, 10000u, 10000u, 10000u, 8000u}));
    EXPECT_EQ(pass->lastRunEnd, kStart + 120);
    EXPECT_EQ(pass->endedByScheduler, 0);
}

TEST_F(PassRunnerTest, EngineEndsThePassWithPassEndEventAndEndRequested) {
    CompanionProgram("VANT [SAT-1]", 0, kNever);
    int32_t held = 0;
    waits.OnWait([&](const WaitCall& call) {
        if (call.ms == 10000 && clock.NowUnix() >= kStart + 40 && held == 0) {
            engine.endRequested = 1;
            held = engine.decisionHoldUntil = clock.NowUnix() + 15;
            sync.passEnd.Set();
        }
    });
    RunPass();
    EXPECT_EQ(pass->endedByScheduler, 1);
    EXPECT_EQ(pass->lastRunEnd, kStart + 42);
    EXPECT_EQ(engine.decisionHoldUntil, held);  // the engine's longer hold stands
    EXPECT_THAT(log.Lines().back(), ::testing::EndsWith("ended by the scheduler"));
}

TEST_F(PassRunnerTest, RunnerThatFailsIsRecordedAndFreesTheStation) {
    hardware.trackingFails = true;
    RunPass();
    EXPECT_EQ(log.Lines().front(), "Exception caught in pass runner: rotator port gone");
    EXPECT_EQ(pass->lastRunEnd, kStart);
    EXPECT_EQ(engine.runnerState, 0);
}

}  // namespace
}  // namespace tarvon::testing
