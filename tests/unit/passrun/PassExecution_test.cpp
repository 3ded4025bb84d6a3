#include "passrun/PassExecution.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "Passrun_helpers.h"
#include "passrun/PassHardware.h"
#include "schedule/SchedulePass.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kNow = 1796169600;

// The pass execution without a schedule attached (no scheduler runs), and
// programs that end at once.
class PassExecutionTest : public ::testing::Test, protected PassrunStation {
protected:
    PassExecutionTest() : PassrunStation(kNow) {
        processes.OnStart([](FakeProgram& p) {
            p.Exit(0);
            return true;
        });
    }
    void Event(const std::string& name, uint32_t run, uint32_t time, uint32_t display = 0) {
        AddEvent({.name = name, .run = run, .time = time, .associate = kAssociateAllSatellites,
                  .program = name + ".exe", .display = display});
    }

    PassHardware hardware{sounds};
    PassExecution execution{platform, processes, sync, settings, hardware};
};

TEST_F(PassExecutionTest, TimedEventsFeedTheEngineAndStartupEventsWaitToBeAsked) {
    Event("Minute", kRunRegularly, 60, 1);
    Event("Hour", kRunRegularly, 3600, 0);
    Event("Daily", kRunDaily, 7200, 1);
    Event("Boot", kRunTarvonStartup, 0);
    execution.LoadScheduledEvents();

    int32_t wake = kNever, listed = 3;
    execution.RunDueTimedEvents(kNow + 10, wake, listed);
    EXPECT_EQ(wake, kNow + 62);
    EXPECT_EQ(listed, 5);

    // Both regular events are due: each starts once, is re-armed from now
    // and counted once.
    wake = kNever;
    listed = 0;
    execution.RunDueTimedEvents(kNow + 3602, wake, listed);
    EXPECT_EQ(wake, kNow + 3602 + 62);
    EXPECT_EQ(listed, 2);
    execution.RunStartupEvents();
    execution.JoinThreads();
    std::multiset<std::string> started;
    for (const auto& p : processes.Started()) started.insert(p->Start().commandLine);
    EXPECT_EQ(started, (std::multiset<std::string>{"Boot.exe", "Hour.exe", "Minute.exe"}));
    EXPECT_EQ(EventValue("Minute", "Last Success Time"), uint32_t(kNow));
}

// Closing waits for a shutdown program only so long; one still running then
// is left alone, and its run ends unrecorded once ShutdownEvent is set.
TEST_F(PassExecutionTest, ShutdownEventThatDoesNotEndHoldsClosingOnlyToItsLimit) {
    Event("Backup", kRunTarvonShutdown, 0);
    processes.OnStart([](FakeProgram&) { return true; });
    // The program runs on until the station stops.
    waits.OnWait([this](const WaitCall&) {
        while (!sync.shutdown.IsSet()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    EXPECT_FALSE(execution.RunShutdownEvents(50));
    sync.shutdown.Set();
    execution.JoinThreads();
    ASSERT_EQ(processes.Started().size(), 1u);
    EXPECT_EQ(EventValue("Backup", "Last Run Time"), uint32_t(kNow));
    EXPECT_FALSE(EventValue("Backup", "Last Success Time"));
}

}  // namespace
}  // namespace tarvon::testing
