#include "passrun/PassRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/PublicIds.h"
#include "core/Settings.h"
#include "passrun/PassHardware.h"
#include "passrun/PassRunTexts.h"
#include "passrun/ScheduledEvents.h"
#include "platform/Registry.h"
#include "platform/memory/FakeClock.h"
#include "platform/memory/FakeProcesses.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/RecordingSounds.h"
#include "platform/memory/ScriptedWaits.h"
#include "schedule/SchedulePass.h"
#include "schedule/ScheduleState.h"

namespace tarvon {
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

class PassRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto sat = registry_.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\Sat1");
        RegWriteString(*sat, "Name", "SAT-1");
        RegWriteString(*sat, "Program", "D:\\PROG\\VANT.EXE %S");
        RegWriteString(*sat, "Directory", "D:\\PROG");
        pass_->satName = "SAT-1";
        pass_->aos = kStart + 25;
        pass_->los = kStart + 625;
        pass_->priority = 50;
        pass_->listenOnly = 1;
        engine_.runnerState = 2;
        engine_.runningSatName = "SAT-1";
        engine_.nextWakeTime = kNever;
        sync_.passEnd.Reset();  // as the engine does when it starts a pass
    }
    void SetSatValue(const char* name, uint32_t value) {
        auto sat = registry_.Open(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\Sat1");
        RegWriteDword(*sat, name, value);
    }
    void SetSatText(const char* name, const std::string& value) {
        auto sat = registry_.Open(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\Sat1");
        RegWriteString(*sat, name, value);
    }
    void AddEvent(const std::string& name, uint32_t run, uint32_t time) {
        ScheduleEvent e;
        e.name = name;
        e.run = run;
        e.time = time;
        e.associate = kAssociateAllSatellites;
        events_.events.push_back(e);
    }
    // A program whose companion window shows after `looks` lookups and that
    // ends when the clock reaches `endsAt`.
    void CompanionProgram(const std::string& title, int looks, int32_t endsAt) {
        WindowHandle window = processes_.AddWindow(kCompanionWindowClass, title);
        processes_.OnStart([=](FakeProgram& p) {
            p.ShowWindowAfter(window, looks);
            return true;
        });
        waits_.OnWait([=, this](const WaitCall&) {
            auto started = processes_.Started();
            if (!started.empty() && clock_.NowUnix() >= endsAt) started[0]->Exit(0);
        });
    }
    int Run() { return PassRunnerThread(services_, pass_); }

    MemoryRegistry registry_;
    FakeClock clock_{int64_t{kStart} * 1000};
    ScriptedWaits waits_{&clock_};
    RecordingNotices notices_;
    MemoryStationLog log_;
    RecordingSounds sounds_;
    PlatformServices platform_{registry_, clock_, waits_, notices_, log_};
    FakeProcesses processes_;
    SyncObjects sync_;
    Settings settings_;
    EngineState engine_;
    EventLists events_;
    RecordingHardware hardware_{sounds_, clock_};
    std::vector<std::string> started_;
    PassRunnerServices services_{platform_, processes_, sync_, settings_, engine_, events_, hardware_,
                                 [this](const std::string& name) {
                                     started_.push_back(name + " @" +
                                                        std::to_string(clock_.NowUnix() - kStart));
                                 }};
    std::shared_ptr<SchedulePass> pass_ = std::make_shared<SchedulePass>();
};

TEST_F(PassRunnerTest, NoPassIsRefused) {
    EXPECT_EQ(PassRunnerThread(services_, nullptr), 1);
}

TEST_F(PassRunnerTest, CompanionProgramRunsTheWholePass) {
    engine_.endRequested = 1;  // left over from an earlier pass
    CompanionProgram("VANT [SAT-1]", 2, kStart + 300);

    EXPECT_EQ(Run(), 0);

    ASSERT_EQ(processes_.Started().size(), 1u);
    const ProcessStart& start = processes_.Started()[0]->Start();
    EXPECT_EQ(start.commandLine, "d:\\prog\\vant.exe SAT-1");
    EXPECT_EQ(start.directory, "D:\\PROG");
    EXPECT_EQ(start.show, ShowState::Normal);
    WindowHandle window = processes_.FindTopLevelWindow(kCompanionWindowClass, "VANT [SAT-1]");
    auto posted = processes_.Posted();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].window, window);
    EXPECT_EQ(posted[0].message, uint32_t(WM_VANT_LISTEN_ONLY));
    EXPECT_EQ(posted[0].wParam, 1u);
    EXPECT_EQ(posted[0].lParam, 0);
    EXPECT_EQ(posted[1].message, uint32_t(WM_VANT_LOS));
    EXPECT_EQ(posted[1].wParam, 0u);
    EXPECT_EQ(posted[1].lParam, pass_->los);

    // modem 12500 (answered at once), 1500, 1000, two misses at 2000, then
    // supervision rounds of 10000 until the program ends.
    std::vector<uint32_t> durations = waits_.Durations();
    ASSERT_GE(durations.size(), 6u);
    EXPECT_THAT(std::vector<uint32_t>(durations.begin(), durations.begin() + 6),
                ElementsAre(12500, 1500, 1000, 2000, 2000, 10000));
    EXPECT_EQ(durations.back(), 100u);
    EXPECT_EQ(hardware_.calls, (std::vector<std::string>{"track SAT-1", "modem SAT-1 @0",
                                                         "map SAT-1", "stop tracking"}));

    // Supervision rounds start at +6.5 s (1.5 modem, 1, two misses of 2), so
    // the program's end at +300 is seen at +306.
    EXPECT_EQ(pass_->lastRunEnd, kStart + 306);
    EXPECT_EQ(pass_->endedByScheduler, 0);
    EXPECT_EQ(pass_->los, kStart + 625);
    EXPECT_EQ(engine_.runnerState, 0);
    EXPECT_EQ(engine_.runningSatName, "");
    EXPECT_EQ(engine_.nextWakeTime, 0);
    EXPECT_EQ(engine_.programWindow, 0u);
    EXPECT_EQ(engine_.decisionHoldUntil, pass_->lastRunEnd + 10);
    EXPECT_TRUE(notices_.Shown().empty());
    const std::string pass = "Pass of SAT-1, AOS 2026-12-02 00:00:25, LOS 2026-12-02 00:10:25: ";
    EXPECT_THAT(log_.Lines(),
                ElementsAre(pass + "program started: d:\\prog\\vant.exe SAT-1",
                            pass + "program ran 2026-12-02 00:00:01 to 2026-12-02 00:05:06, the program closed by itself"));
}

TEST_F(PassRunnerTest, BeforePassEventsLeadTheModemSetUp) {
    AddEvent("E120", kRunBeforePass, 120);
    AddEvent("E30", kRunBeforePass, 30);
    AddEvent("E30b", kRunBeforePass, 30);
    AddEvent("Other kind", kRunAfterPass, 5);
    settings_.general.mapDisplay = 0;
    SetSatText("Program", "");
    sync_.passEnd.Set();

    Run();

    EXPECT_EQ(started_[0], "E120 @0");
    EXPECT_EQ(started_[1], "E30 @90");
    EXPECT_EQ(started_[2], "E30b @90");  // equal Times: 250 ms apart
    std::vector<uint32_t> d = waits_.Durations();
    ASSERT_GE(d.size(), 5u);
    EXPECT_THAT(std::vector<uint32_t>(d.begin(), d.begin() + 5),
                ElementsAre(90000, 250, 30000, 12500, 1500));
    EXPECT_EQ(hardware_.calls[1], "modem SAT-1 @120");
    EXPECT_EQ(hardware_.calls.size(), 3u);  // no map selection with Map Display 0
}

TEST_F(PassRunnerTest, AfterPassEventsFollowTheEnd) {
    AddEvent("A10", kRunAfterPass, 10);
    AddEvent("A10b", kRunAfterPass, 10);
    AddEvent("A40", kRunAfterPass, 40);
    SetSatText("Program", "");
    sync_.passEnd.Set();
    engine_.endRequested = 0;

    Run();

    // The modem answers at once, so the pass ends 1.5 s in; After Pass events
    // count from there.
    EXPECT_EQ(started_, (std::vector<std::string>{"A10 @11", "A10b @11", "A40 @41"}));
    EXPECT_THAT(waits_.Durations(), ElementsAre(12500, 1500, kWaitForever, 10000, 250, 30000, 100));
    EXPECT_EQ(engine_.decisionHoldUntil, kStart + 1 + 40 + 5);
    EXPECT_EQ(pass_->lastRunEnd, kStart + 1);
}

TEST_F(PassRunnerTest, ModemThatNeverAnswersDelaysByAtMostFourteenSeconds) {
    hardware_.modemAnswers = false;
    SetSatText("Program", "");
    sync_.passEnd.Set();
    Run();
    EXPECT_EQ(waits_.Calls()[0].result, kWaitTimeout);
    EXPECT_EQ(pass_->lastRunEnd, kStart + 14);
}

TEST_F(PassRunnerTest, ShutdownAtAnyWaitEndsTheRunnerWithoutRecording) {
    const size_t stopAt[] = {0, 1, 2, 3, 5};  // before-pass sleep is not a wait on shutdown
    for (size_t stop : stopAt) {
        SyncObjects sync;
        ScriptedWaits waits(&clock_);
        PlatformServices platform{registry_, clock_, waits, notices_, log_};
        FakeProcesses processes;
        processes.OnStart([](FakeProgram&) { return true; });  // never shows a window
        events_.events.clear();
        AddEvent("B60", kRunBeforePass, 60);
        AddEvent("A5", kRunAfterPass, 5);
        PassRunnerServices services{platform, processes, sync, settings_, engine_, events_, hardware_,
                                    services_.startEventRun};
        size_t waitsSeen = 0;
        waits.OnWait([&](const WaitCall& call) {
            if (call.kind == WaitCall::Kind::WaitAny && waitsSeen++ == stop) sync.shutdown.Set();
        });
        pass_->lastRunEnd = 0;
        engine_.runnerState = 2;
        PassRunnerThread(services, pass_);
        EXPECT_EQ(pass_->lastRunEnd, 0) << stop;
        EXPECT_EQ(engine_.runnerState, 2) << stop;
        EXPECT_EQ(waitsSeen, stop + 1) << stop;
    }
    for (const std::string& s : started_) EXPECT_EQ(s.rfind("B60", 0), 0u) << s;
}

TEST_F(PassRunnerTest, ProgramWithoutWindowIsReportedAndLeftRunning) {
    processes_.OnStart([](FakeProgram&) { return true; });
    Run();
    std::vector<uint32_t> expected = {12500, 1500, 1000};
    expected.insert(expected.end(), 25, 2000);
    expected.push_back(100);
    EXPECT_EQ(waits_.Durations(), expected);
    EXPECT_EQ(processes_.Started()[0]->Looks(), 25);
    EXPECT_EQ(hardware_.calls, (std::vector<std::string>{"track SAT-1", "modem SAT-1 @0",
                                                         "map SAT-1", "error sound",
                                                         "stop tracking"}));
    ASSERT_EQ(notices_.Shown().size(), 1u);
    EXPECT_EQ(notices_.Shown()[0].text, kNoProgramWindowText);
    EXPECT_EQ(notices_.Shown()[0].caption, "Tarvon Error");
    EXPECT_EQ(notices_.Shown()[0].icon, NoticeIcon::Exclamation);
    EXPECT_TRUE(processes_.Posted().empty());
    EXPECT_FALSE(processes_.Started()[0]->ExitCode());
    EXPECT_EQ(pass_->lastRunEnd, kStart + 1 + 1 + 50);  // 1.5 + 1 + 25 x 2 s
}

TEST_F(PassRunnerTest, ProgramThatEndsAtOnceEndsThePassQuietly) {
    processes_.OnStart([](FakeProgram& p) {
        p.Exit(0);
        return true;
    });
    Run();
    EXPECT_THAT(waits_.Durations(), ElementsAre(12500, 1500, 1000, 2000, 100));
    EXPECT_TRUE(notices_.Shown().empty());
    EXPECT_EQ(pass_->lastRunEnd, kStart + 2);
    EXPECT_EQ(pass_->endedByScheduler, 0);
    EXPECT_EQ(engine_.runnerState, 0);
}

TEST_F(PassRunnerTest, ProgramThatCannotStartIsReported) {
    processes_.OnStart([](FakeProgram&) { return false; });
    Run();
    ASSERT_EQ(notices_.Shown().size(), 1u);
    EXPECT_EQ(notices_.Shown()[0].text,
              "Error running program.  Tarvon was unable to find the program associated with "
              "this satellite, or there was an error while running it.");
    EXPECT_EQ(notices_.Shown()[0].caption, "Tarvon");
    EXPECT_EQ(pass_->lastRunEnd, kStart + 1);
    EXPECT_EQ(engine_.runnerState, 0);
}

TEST_F(PassRunnerTest, SatelliteWithoutKeyIsNeverRunAgain) {
    pass_->satName = "UNKNOWN";
    engine_.runningSatName = "UNKNOWN";
    Run();
    EXPECT_EQ(pass_->lastRunEnd, kNever);
    EXPECT_EQ(engine_.runnerState, 0);
    EXPECT_EQ(engine_.runningSatName, "");
    EXPECT_EQ(engine_.nextWakeTime, 0);
    EXPECT_TRUE(processes_.Started().empty());
    EXPECT_EQ(hardware_.calls, (std::vector<std::string>{"track UNKNOWN", "modem UNKNOWN @0"}));
}

struct ShowCase {
    uint32_t run;
    ShowState show;
};

TEST_F(PassRunnerTest, RunValueChoosesTheShowState) {
    const ShowCase cases[] = {{0, ShowState::MinimisedNoActivate},
                              {1, ShowState::Maximised},
                              {2, ShowState::Normal},
                              {77, ShowState::Normal}};
    processes_.OnStart([](FakeProgram&) { return false; });
    for (const auto& c : cases) {
        SetSatValue("Run", c.run);
        Run();
        EXPECT_EQ(processes_.Started().back()->Start().show, c.show) << c.run;
    }
}

TEST_F(PassRunnerTest, OtherProgramsAndManualPassesGetNoPassMessages) {
    // A window titled for another satellite is not ours to tell.
    CompanionProgram("VANT [SAT-2]", 0, kStart + 100);
    Run();
    EXPECT_TRUE(processes_.Posted().empty());
    EXPECT_NE(pass_->lastRunEnd, 0);

    // A manual pass: no messages, and its LOS becomes the moment it ended.
    PassRunnerTest::SetUp();
    FakeProcesses manual;
    WindowHandle window = manual.AddWindow(kCompanionWindowClass, "VANT [SAT-1]");
    manual.OnStart([=](FakeProgram& p) {
        p.ShowWindowAfter(window);
        return true;
    });
    PassRunnerServices services{platform_, manual, sync_, settings_, engine_, events_, hardware_,
                                services_.startEventRun};
    waits_.OnWait([&](const WaitCall& call) {
        if (call.ms == 10000 && !manual.Started().empty()) manual.Started()[0]->Exit(0);
    });
    pass_->priority = 0;
    PassRunnerThread(services, pass_);
    EXPECT_TRUE(manual.Posted().empty());
    EXPECT_EQ(pass_->los, pass_->lastRunEnd);
}

TEST_F(PassRunnerTest, SupervisionEndsAtLosPlusSixtyOrWhenTheEngineEndsThePass) {
    // A program that never ends: rounds of 10 s, the last one shorter.
    pass_->los = kStart + 60;
    CompanionProgram("VANT [SAT-1]", 0, kNever);
    Run();
    std::vector<uint32_t> d = waits_.Durations();
    // 1.5 s of modem, 1 s before the window: supervision from +2.5 to +120.
    std::vector<uint32_t> rounds(d.begin() + 3, d.end() - 1);
    EXPECT_THAT(rounds, ElementsAreArray({10000u, 10000u, 10000u, 10000u, 10000u, 10000u, 10000u,
                                          10000u, 10000u, 10000u, 10000u, 8000u}));
    EXPECT_EQ(pass_->lastRunEnd, kStart + 120);
    EXPECT_EQ(pass_->endedByScheduler, 0);

    // The engine ends the pass: PassEndEvent and EndRequested.
    PassRunnerTest::SetUp();
    clock_.SetNowUnix(kStart);
    ScriptedWaits waits(&clock_);
    PlatformServices platform{registry_, clock_, waits, notices_, log_};
    PassRunnerServices services{platform, processes_, sync_, settings_, engine_, events_, hardware_,
                                services_.startEventRun};
    int32_t held = 0;
    waits.OnWait([&](const WaitCall& call) {
        if (call.ms == 10000 && clock_.NowUnix() >= kStart + 40 && held == 0) {
            engine_.endRequested = 1;
            held = engine_.decisionHoldUntil = clock_.NowUnix() + 15;
            sync_.passEnd.Set();
        }
    });
    PassRunnerThread(services, pass_);
    EXPECT_EQ(pass_->endedByScheduler, 1);
    EXPECT_EQ(pass_->lastRunEnd, kStart + 42);
    EXPECT_EQ(engine_.decisionHoldUntil, held);  // the engine's longer hold stands
    EXPECT_THAT(log_.Lines().back(), ::testing::EndsWith("ended by the scheduler"));
}

TEST_F(PassRunnerTest, RunnerThatFailsIsRecordedAndFreesTheStation) {
    hardware_.trackingFails = true;
    Run();
    EXPECT_EQ(log_.Lines().front(), "Exception caught in pass runner: rotator port gone");
    EXPECT_EQ(pass_->lastRunEnd, kStart);
    EXPECT_EQ(engine_.runnerState, 0);
    EXPECT_EQ(engine_.nextWakeTime, 0);
}

}  // namespace
}  // namespace tarvon
