#include "passrun/PassExecution.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "core/Settings.h"
#include "passrun/PassHardware.h"
#include "platform/Registry.h"
#include "platform/memory/FakeClock.h"
#include "platform/memory/FakeProcesses.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/RecordingSounds.h"
#include "platform/memory/ScriptedWaits.h"
#include "schedule/ScheduleState.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon {
namespace {

constexpr int32_t kNow = 1796169600;

class NoPasses final : public PassSource {
public:
    std::unique_ptr<PassSearch> NewSearch(const std::string&) override { return nullptr; }
};

class QuietUi final : public SchedulerUi {
public:
    void PostRunScheduler() override {}
    void PostOpenNotification(std::shared_ptr<SchedulePass>) override {}
    void PressNotificationOk(uintptr_t) override {}
    void CloseProgramWindow(uintptr_t) override {}
};

// The real engine, the real pass execution, and programs that end at once.
class PassExecutionTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto sat = registry_.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\S1");
        RegWriteString(*sat, "Name", "SAT-1");
        RegWriteString(*sat, "Program", "VANT.EXE %s");
        processes_.OnStart([](FakeProgram& p) {
            p.Exit(0);
            return true;
        });
        execution_.AttachSchedule(schedule_);
    }
    void AddEvent(const std::string& name, uint32_t run, uint32_t time, uint32_t display = 0) {
        auto k = registry_.Create(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\" + name);
        RegWriteString(*k, "Name", name);
        RegWriteString(*k, "Program", name + ".exe");
        RegWriteDword(*k, "Run", run);
        RegWriteDword(*k, "Time", time);
        RegWriteDword(*k, "Associate", kAssociateAllSatellites);
        RegWriteDword(*k, "Active", 1);
        RegWriteDword(*k, "Display", display);
    }
    uint32_t EventValue(const std::string& name, const char* value) {
        auto k = registry_.Open(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\" + name);
        uint32_t v = 0;
        RegReadDword(*k, value, v);
        return v;
    }

    MemoryRegistry registry_;
    FakeClock clock_{int64_t{kNow} * 1000};
    ScriptedWaits waits_{&clock_};
    RecordingNotices notices_;
    MemoryStationLog log_;
    RecordingSounds sounds_;
    PlatformServices platform_{registry_, clock_, waits_, notices_, log_};
    FakeProcesses processes_;
    SyncObjects sync_;
    RunFlags flags_;
    Settings settings_;
    NoPasses source_;
    QuietUi ui_;
    PassHardware hardware_{sounds_};
    PassExecution execution_{platform_, processes_, sync_, settings_, hardware_};
    ScheduleState schedule_{
        ScheduleServices{platform_, sync_, flags_, settings_, source_, ui_, execution_, true}};
};

TEST_F(PassExecutionTest, EngineStartsTheRunnerEarlyForBeforePassEvents) {
    AddEvent("Pre", kRunBeforePass, 30);
    auto pass = std::make_shared<SchedulePass>();
    pass->satName = "SAT-1";
    pass->aos = kNow + 55;  // start lead 25 + the event's 30: due now
    pass->los = kNow + 600;
    pass->startLead = 25;
    pass->priority = 50;
    pass->elevationOk = 1;
    schedule_.passes.push_back(pass);

    execution_.LoadScheduledEvents();  // ends with a scheduler run
    execution_.JoinThreads();

    // The event's run is a thread of its own, racing the runner on the fake
    // clock, so only the runner's side has exact times.
    std::multiset<std::string> lines;
    for (auto& p : processes_.Started()) lines.insert(p->Start().commandLine);
    EXPECT_EQ(lines, (std::multiset<std::string>{"Pre.exe", "vant.exe SAT-1"}));
    EXPECT_GE(EventValue("Pre", "Last Run Time"), uint32_t(kNow));
    EXPECT_LE(EventValue("Pre", "Last Run Time"), uint32_t(pass->lastRunEnd));
    EXPECT_NE(pass->lastRunEnd, 0);
    EXPECT_EQ(pass->endedByScheduler, 0);
    EXPECT_EQ(schedule_.engine.runnerState, 0);
}

TEST_F(PassExecutionTest, TimedEventsFeedTheEnginesWakeAndCount) {
    AddEvent("Minute", kRunRegularly, 60, 1);
    AddEvent("Hour", kRunRegularly, 3600, 0);
    execution_.LoadScheduledEvents();
    EXPECT_EQ(execution_.MaxBeforePassLead("SAT-1"), 0);

    int32_t wake = kNever, listed = 3;
    execution_.RunDueTimedEvents(kNow + 10, wake, listed);
    EXPECT_EQ(wake, kNow + 62);
    EXPECT_EQ(listed, 4);

    execution_.RunDueTimedEvents(kNow + 62, wake, listed);
    execution_.JoinThreads();
    ASSERT_EQ(processes_.Started().size(), 1u);
    EXPECT_EQ(processes_.Started()[0]->Start().commandLine, "Minute.exe");
    EXPECT_EQ(EventValue("Minute", "Last Success Time"), uint32_t(kNow));
}

TEST_F(PassExecutionTest, StartupAndShutdownEventsRunOnlyWhenAsked) {
    AddEvent("Boot", kRunTarvonStartup, 0);
    AddEvent("Halt", kRunTarvonShutdown, 0);
    execution_.LoadScheduledEvents();
    execution_.JoinThreads();
    EXPECT_TRUE(processes_.Started().empty());
    EXPECT_TRUE(execution_.Events().events.empty());

    execution_.RunStartupEvents();
    execution_.JoinThreads();
    ASSERT_EQ(processes_.Started().size(), 1u);
    EXPECT_EQ(processes_.Started()[0]->Start().commandLine, "Boot.exe");

    EXPECT_TRUE(execution_.RunShutdownEvents(10000));
    sync_.shutdown.Set();
    execution_.JoinThreads();
    ASSERT_EQ(processes_.Started().size(), 2u);
    EXPECT_EQ(processes_.Started()[1]->Start().commandLine, "Halt.exe");
    EXPECT_EQ(EventValue("Halt", "Last Success Time"), uint32_t(kNow));
}

// Closing waits for a shutdown program only so long; one still running then
// is left alone, and its run ends unrecorded once ShutdownEvent is set.
TEST_F(PassExecutionTest, ShutdownEventThatDoesNotEndHoldsClosingOnlyToItsLimit) {
    AddEvent("Backup", kRunTarvonShutdown, 0);
    processes_.OnStart([](FakeProgram&) { return true; });
    // The program runs on until the station stops.
    waits_.OnWait([this](const WaitCall&) {
        while (!sync_.shutdown.IsSet()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    EXPECT_FALSE(execution_.RunShutdownEvents(50));
    sync_.shutdown.Set();
    execution_.JoinThreads();
    ASSERT_EQ(processes_.Started().size(), 1u);
    EXPECT_EQ(EventValue("Backup", "Last Run Time"), uint32_t(kNow));
    EXPECT_EQ(EventValue("Backup", "Last Success Time"), 0u);
}

}  // namespace
}  // namespace tarvon
