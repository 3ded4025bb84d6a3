#include "schedule/SchedulerEngine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>

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
using ::testing::ElementsAre;

using Log = std::vector<std::pair<std::string, int32_t>>;

// The world's entries of the given kinds, in order, as "kind satellite".
Log Logged(const DryRunWorld& world, std::initializer_list<std::string_view> kinds) {
    Log log;
    for (const DryRunEntry& e : world.Log()) {
        if (std::find(kinds.begin(), kinds.end(), e.what) != kinds.end()) {
            log.emplace_back(e.what + " " + e.satName, e.time);
        }
    }
    return log;
}

// A runs first; the better B ends it, once A has had its minimum time, and
// starts after the hold of 15 s that follows the end decision.
TEST(SchedulerEngine, OverlappingPassesYieldToTheBetterOneAfterTheirMinimumTime) {
    struct Case { int32_t minPassTimeA; Log log; };
    const Case cases[] = {
        {300, {{"runner start A", 975}, {"end requested A", 1365}, {"runner start B", 1380}, {"end requested B", 2010}}},
        {400, {{"runner start B", 1375}, {"end requested B", 2010}}},
    };
    for (const Case& c : cases) {
        TestStation station(900);
        station.AddPass("A", 1000, 1600, 50, c.minPassTimeA);
        station.AddPass("B", 1400, 2000, 10);
        station.world.RunUntil(2100);
        EXPECT_EQ(Logged(station.world, {"runner start", "end requested"}), c.log) << c.minPassTimeA;
    }
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
    EXPECT_EQ(std::tuple(a->endedByScheduler, a->effectivePriority), std::tuple(1, 50 + 75));
}

TEST(SchedulerEngine, NotificationTiming) {
    struct Case {
        int32_t start;
        uint32_t popUps;
        Times sound, windowClosed;
    };
    // AOS 1000, Pop Up Time 180: due after 820, never within 21 s of AOS; an
    // open window is acknowledged 20 s before AOS; without pop-ups only the sound.
    const Case cases[] = {{700, 1, {821}, {981}}, {900, 1, {900}, {981}}, {978, 1, {978}, {981}},
                          {979, 1, {}, {}},       {995, 1, {}, {}},       {700, 0, {821}, {}}};
    for (const Case& c : cases) {
        TestStation station(c.start);
        station.settings.general.popUpTime = 180;
        station.settings.general.messagePopUps = c.popUps;
        station.AddPass("A", 1000, 1600, 50)->notified = 0;
        station.world.RunUntil(1100);
        EXPECT_EQ(TimesOf(station.world, "notification", "A"), c.sound) << "start " << c.start;
        EXPECT_EQ(TimesOf(station.world, "notification closed", "A"), c.windowClosed) << "start " << c.start;
    }
}

TEST(SchedulerEngine, IdleEndsBeforeAPassAndStartsAgainAfterIt) {
    TestStation station(0);
    station.AddPass("A", 2000, 2600, 50);
    station.AddPass("B", 9000, 9600, 50);
    station.world.RunUntil(3000);

    // Idle ends at the first run less than 90 s before the start, and starts
    // again a minute after the end decision.
    EXPECT_EQ(Logged(station.world, {"idle end", "idle start"}),
              (Log{{"idle end ", 1975 - 89}, {"idle start ", 2671}}));
}

TEST(SchedulerEngine, SchedulingOffStartsNothingAndBackOnStartsTheDuePass) {
    TestStation station(900);
    station.AddPass("A", 1000, 1600, 50);
    SetSchedulingEnabled(station.state, false);
    station.world.RunUntil(1100);
    EXPECT_TRUE(station.world.Entries("runner start").empty());
    SetSchedulingEnabled(station.state, true);
    EXPECT_EQ(TimesOf(station.world, "runner start", "A"), Times{1100});
}

// An empty schedule walks no timed events and redraws nothing; the window
// shows what a run changed only when the run asks for it.
TEST(SchedulerEngine, RunsWalkTimedEventsAndRedrawOnlyWithPasses) {
    auto count = [](const TestStation& station, RedrawTarget target) {
        const auto redraws = station.notices.Redraws();
        return std::count(redraws.begin(), redraws.end(), target);
    };
    TestStation station(900);
    int walks = 0;
    station.world.timedEvents = [&](int32_t, int32_t&, int32_t&, std::vector<std::string>&) { ++walks; };
    RunScheduler(station.state);
    EXPECT_EQ(std::tuple(walks, station.state.engine.nextWakeTime.load(), station.notices.Redraws().size()),
              std::tuple(0, kNever, 0u));

    station.AddPass("A", 1000, 1600, 50);
    RunScheduler(station.state);
    EXPECT_EQ(std::tuple(walks, count(station, RedrawTarget::SchedulePane), count(station, RedrawTarget::MainWindow)),
              std::tuple(1, 1, 0));
    // Once A runs, the next-pass box counts down to its LOS under its name.
    station.world.RunUntil(1010);
    EXPECT_EQ(count(station, RedrawTarget::MainWindow), 1);
    EXPECT_EQ(station.state.engine.nextPassName, "A");
}

TEST(SchedulerEngine, StalePassesAreRemovedAndEndedOnesStayListed) {
    TestStation station(2000);
    station.AddPass("A", 1000, 1699, 50);
    auto ended = station.AddPass("B", 1100, 1800, 50);
    auto coming = station.AddPass("C", 3000, 3600, 50);
    RunScheduler(station.state);
    ASSERT_EQ(station.state.passes.size(), 2u);
    const EngineState& e = station.state.engine;
    EXPECT_EQ(std::tuple(station.state.passes.front(), ended->effectivePriority, e.listedItemCount.load()),
              std::tuple(ended, kNotEligible, 1));
    EXPECT_EQ(std::tuple(e.nextPassName, e.nextCountdownTime.load()), std::tuple("C", coming->aos));
}

TEST(SchedulerEngine, BeforePassLeadStartsTheRunnerEarlier) {
    TestStation station(800);
    station.world.beforePassLead = [](const std::string&) { return 120; };
    station.AddPass("A", 1000, 1600, 50);
    station.world.RunUntil(1000);
    EXPECT_EQ(TimesOf(station.world, "runner start", "A"), Times{1000 - 25 - 120});
}

TEST(SchedulerEngine, AbsurdValuesNeitherOverflowNorStopTheEngine) {
    TestStation station(1000);
    auto a = station.AddPass("A", INT32_MIN, INT32_MAX, 1000000000, INT32_MIN, INT32_MAX);
    a->lastRunEnd = INT32_MAX;
    a->endedByScheduler = 1;
    station.AddPass("B", INT32_MAX - 5, INT32_MAX, -5, INT32_MAX, INT32_MIN);
    station.world.RunUntil(1100);
    // The engine goes on: the one pass it can run is started, with its penalty.
    EXPECT_EQ(TimesOf(station.world, "program start", "A"), Times{1002});
    EXPECT_EQ(a->effectivePriority, 1000000000 + 75);
}

TEST(SchedulerEngine, RequestDuringARunIsRunByIt) {
    TestStation station(1200);
    // Too low and too short a rest of pass: only the request runs it.
    auto low = station.AddPass("LOW", 1000, 1600, 90, 900);
    low->elevationOk = 0;
    station.AddPass("A", 5000, 5600, 50);
    bool asked = false;
    // The user's Run now arrives while the clock thread's run decides.
    station.world.beforePassLead = [&](const std::string&) {
        if (!asked) {
            asked = true;
            low->runNow = 1;
            RunScheduler(station.state);
        }
        return 0;
    };
    station.world.RunUntil(1210);
    EXPECT_EQ(TimesOf(station.world, "runner start", "LOW"), Times{1200});
    EXPECT_EQ(station.state.engine.runningPriority, 0);
}

TEST(SchedulerEngine, RunThatThrowsIsRecordedAndTriedAgain) {
    TestStation station(900);
    station.AddPass("A", 1000, 1600, 50);
    int leads = 0;
    station.world.beforePassLead = [&](const std::string&) -> int32_t {
        if (leads++ == 0) throw std::runtime_error("no thread for the runner");
        return 0;
    };
    station.world.RunUntil(1000);
    EXPECT_THAT(station.log.Lines(), ElementsAre("Exception caught in scheduler run: no thread for the runner"));
    EXPECT_EQ(TimesOf(station.world, "runner start", "A"), Times{975});
}

}  // namespace
}  // namespace tarvon::testing
