#include "schedule/SchedulerEngine.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "Schedule_helpers.h"

namespace tarvon::testing {
namespace {

std::vector<int32_t> TimesOf(const DryRunWorld& world, const std::string& what, const std::string& sat) {
    std::vector<int32_t> times;
    for (const DryRunEntry& e : world.Entries(what)) {
        if (e.satName == sat) times.push_back(e.time);
    }
    return times;
}

using Times = std::vector<int32_t>;

TEST(SchedulerEngine, OverlappingPassesRunTheFirstAndEndItForTheBetterOne) {
    TestStation station(900);
    station.AddPass("A", 1000, 1600, 50, 300);
    station.AddPass("B", 1400, 2000, 10);
    station.world.RunUntil(2100);

    EXPECT_EQ(TimesOf(station.world, "runner start", "A"), Times{975});
    EXPECT_EQ(TimesOf(station.world, "end requested", "A"), Times{1365});
    const Times finishedA = TimesOf(station.world, "runner finished", "A");
    ASSERT_EQ(finishedA.size(), 1u);
    // B waits for the runner and the hold of 15 s after the end decision.
    EXPECT_EQ(TimesOf(station.world, "runner start", "B"), Times{std::max(1380, finishedA[0])});
    EXPECT_EQ(TimesOf(station.world, "end requested", "B"), Times{2010});
}

TEST(SchedulerEngine, PassThatCannotGetItsMinimumTimeYields) {
    TestStation station(900);
    station.AddPass("A", 1000, 1600, 50, 400);
    station.AddPass("B", 1400, 2000, 10);
    station.world.RunUntil(2100);

    EXPECT_TRUE(TimesOf(station.world, "runner start", "A").empty());
    EXPECT_EQ(TimesOf(station.world, "runner start", "B"), Times{1375});
}

TEST(SchedulerEngine, ProgramThatEndsByItselfIsNotRestartedWithinTheHour) {
    ModelledProgram program;
    program.exitsAfter = 300;
    TestStation station(900, program);
    auto pass = station.AddPass("A", 1000, 2500, 50);
    station.world.RunUntil(2600);

    EXPECT_EQ(TimesOf(station.world, "runner start", "A"), Times{975});
    EXPECT_EQ(pass->endedByScheduler, 0);
    EXPECT_EQ(pass->lastRunEnd, 977 + 300);
    EXPECT_EQ(pass->effectivePriority, kNotEligible);
}

TEST(SchedulerEngine, PassEndedForABetterOneComesBackWithPenalty) {
    TestStation station(900);
    auto a = station.AddPass("A", 1000, 4000, 50);
    station.AddPass("B", 1400, 1700, 10);
    station.world.RunUntil(1900);

    const Times startsA = TimesOf(station.world, "runner start", "A");
    ASSERT_EQ(startsA.size(), 2u);
    EXPECT_EQ(startsA[0], 975);
    EXPECT_GT(startsA[1], TimesOf(station.world, "runner finished", "B").at(0));
    EXPECT_EQ(a->endedByScheduler, 1);
    EXPECT_EQ(a->effectivePriority, 50 + 75);
}

TEST(SchedulerEngine, NotificationTiming) {
    struct Case {
        int32_t start;
        Times expected;
    };
    // AOS 1000, Pop Up Time 180: due after 820, never within 21 s of AOS.
    const Case cases[] = {{700, {821}}, {900, {900}}, {978, {978}}, {979, {}}, {995, {}}};
    for (const Case& c : cases) {
        TestStation station(c.start);
        station.settings.general.popUpTime = 180;
        auto pass = station.AddPass("A", 1000, 1600, 50);
        pass->notified = 0;
        station.world.RunUntil(1100);
        EXPECT_EQ(TimesOf(station.world, "notification", "A"), c.expected) << "start " << c.start;
    }
}

TEST(SchedulerEngine, OpenNotificationIsAcknowledgedTwentySecondsBeforeAos) {
    TestStation station(700);
    station.AddPass("A", 1000, 1600, 50)->notified = 0;
    station.world.RunUntil(1100);
    EXPECT_EQ(TimesOf(station.world, "notification closed", "A"), Times{981});
}

TEST(SchedulerEngine, NoPopUpWindowWhenMessagePopUpsAreOff) {
    TestStation station(700);
    station.settings.general.messagePopUps = 0;
    auto pass = station.AddPass("A", 1000, 1600, 50);
    pass->notified = 0;
    station.world.RunUntil(900);
    EXPECT_EQ(TimesOf(station.world, "notification", "A"), Times{821});  // the sound still plays
    EXPECT_EQ(pass->notifyWindow, 0u);
}

TEST(SchedulerEngine, RunNowForcesALowPassAfterItsStart) {
    TestStation station(1200);
    auto low = station.AddPass("LOW", 1000, 1600, 90, 900);
    low->elevationOk = 0;
    station.world.RunUntil(1210);
    EXPECT_TRUE(station.world.Entries("runner start").empty());

    low->runNow = 1;
    station.state.engine.nextWakeTime = 0;
    station.world.RunUntil(1220);
    EXPECT_EQ(TimesOf(station.world, "runner start", "LOW"), Times{1210});
    EXPECT_EQ(station.state.engine.runningPriority, 0);
}

TEST(SchedulerEngine, IdleEndsBeforeAPassAndStartsAgainAfterIt) {
    TestStation station(0);
    station.AddPass("A", 2000, 2600, 50);
    station.AddPass("B", 9000, 9600, 50);
    station.world.RunUntil(3000);

    std::vector<DryRunEntry> idle;
    for (const DryRunEntry& e : station.world.Log()) {
        if (e.what == "idle start" || e.what == "idle end") idle.push_back(e);
    }
    ASSERT_EQ(idle.size(), 2u);
    EXPECT_EQ(idle[0].what, "idle end");
    EXPECT_EQ(idle[0].time, 1975 - 89);  // the first run less than 90 s before the start
    EXPECT_EQ(idle[1].what, "idle start");
    EXPECT_EQ(idle[1].time, 2610 + 60 + 1);  // a minute after the end decision
    EXPECT_EQ(station.state.engine.idleActive, 1);
}

TEST(SchedulerEngine, SchedulingSwitchedOffStartsNothing) {
    TestStation station(900);
    station.flags.schedulingEnabled = 0;
    station.AddPass("A", 1000, 1600, 50);
    station.world.RunUntil(1700);
    EXPECT_TRUE(station.world.Entries("runner start").empty());
}

TEST(SchedulerEngine, SchedulingBackOnStartsTheDuePass) {
    TestStation station(900);
    station.AddPass("A", 1000, 1600, 50);
    SetSchedulingEnabled(station.state, false);
    station.world.RunUntil(1100);
    EXPECT_TRUE(station.world.Entries("runner start").empty());
    SetSchedulingEnabled(station.state, true);
    EXPECT_EQ(TimesOf(station.world, "runner start", "A"), Times{1100});
}

TEST(SchedulerEngine, EmptyScheduleRunsNoTimedEvents) {
    TestStation station(900);
    int walks = 0;
    station.world.timedEvents = [&](int32_t, int32_t&, int32_t&, std::vector<std::string>&) { ++walks; };
    RunScheduler(station.state);
    EXPECT_EQ(walks, 0);
    EXPECT_EQ(station.state.engine.nextWakeTime, kNever);

    station.AddPass("A", 1000, 1600, 50);
    RunScheduler(station.state);
    EXPECT_EQ(walks, 1);
}

// The window shows what a run changed only when the run asks for it.
TEST(SchedulerEngine, RunsAskForTheRedrawsOfWhatTheyChanged) {
    auto count = [](const TestStation& station, RedrawTarget target) {
        const auto redraws = station.notices.Redraws();
        return std::count(redraws.begin(), redraws.end(), target);
    };
    TestStation empty(900);
    RunScheduler(empty.state);
    EXPECT_TRUE(empty.notices.Redraws().empty());

    TestStation station(900);
    station.AddPass("A", 1000, 1600, 50);
    RunScheduler(station.state);
    EXPECT_EQ(count(station, RedrawTarget::SchedulePane), 1);
    EXPECT_EQ(count(station, RedrawTarget::MainWindow), 0);
    // Once A runs, the next-pass box counts down to its LOS under its name.
    station.world.RunUntil(1010);
    EXPECT_EQ(count(station, RedrawTarget::MainWindow), 1);
    EXPECT_EQ(station.state.engine.nextPassName, "A");
}

TEST(SchedulerEngine, StalePassesAreRemovedAndEndedOnesStayListed) {
    TestStation station(2000);
    auto stale = station.AddPass("A", 1000, 1699, 50);
    auto ended = station.AddPass("B", 1100, 1800, 50);
    auto coming = station.AddPass("C", 3000, 3600, 50);
    RunScheduler(station.state);
    ASSERT_EQ(station.state.passes.size(), 2u);
    EXPECT_EQ(station.state.passes.front(), ended);
    EXPECT_EQ(ended->effectivePriority, kNotEligible);
    EXPECT_EQ(station.state.engine.listedItemCount, 1);
    EXPECT_EQ(station.state.engine.nextPassName, "C");
    EXPECT_EQ(station.state.engine.nextCountdownTime, coming->aos);
    (void)stale;
}

TEST(SchedulerEngine, BeforePassLeadStartsTheRunnerEarlier) {
    TestStation station(800);
    station.world.beforePassLead = [](const std::string&) { return 120; };
    station.AddPass("A", 1000, 1600, 50);
    station.world.RunUntil(1000);
    EXPECT_EQ(TimesOf(station.world, "runner start", "A"), Times{1000 - 25 - 120});
}

TEST(SchedulerEngine, AbsurdValuesDoNotOverflow) {
    TestStation station(1000);
    auto a = station.AddPass("A", INT32_MIN, INT32_MAX, 1000000000, INT32_MIN, INT32_MAX);
    a->lastRunEnd = INT32_MAX;
    a->endedByScheduler = 1;
    station.AddPass("B", INT32_MAX - 5, INT32_MAX, -5, INT32_MAX, INT32_MIN);
    station.world.RunUntil(1100);
    SUCCEED();
}

}  // namespace
}  // namespace tarvon::testing
