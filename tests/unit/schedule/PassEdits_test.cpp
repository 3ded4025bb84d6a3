#include "schedule/PassEdits.h"

#include <gtest/gtest.h>

#include <tuple>

#include "Schedule_helpers.h"
#include "schedule/ListCommands.h"

namespace tarvon::testing {
namespace {

// A refused edit keeps the pass as it was (priority 50, status 0).
TEST(PassEdits, PriorityRangeDependsOnStatus) {
    const struct {
        int priority, status;
        bool refused;
        int storedPriority;
    } cases[] = {{100, 0, false, 100}, {1, 0, false, 1},  {0, 0, true, 50},
                 {101, 0, true, 50},   {101, 1, false, 0}, {0, 1, false, 0}};
    for (const auto& c : cases) {
        TestStation station(kNoon - 5000);
        auto pass = station.AddPass("A", kNoon, kNoon + 600, 50);
        EditPassFields f = EditFieldsFor(*pass, 1, 0);
        f.priority = c.priority;
        f.status = c.status;
        EXPECT_EQ(ApplyPassEdit(station.state, pass, f).value_or(""), c.refused ? kPriorityRangeMessage : "")
            << c.priority << "/" << c.status;
        EXPECT_EQ(std::tuple(pass->priority, pass->state), std::tuple(c.storedPriority, c.refused ? 0 : c.status));
    }
}

TEST(PassEdits, TimeFieldsInUtcAndLocalTime) {
    EXPECT_EQ(TimeFieldsFor(kNoon, 1, 0), (EditTimeFields{15, 11, 23, 12, 0, 0}));
    EXPECT_EQ(TimeFieldsFor(kNoon, 0, -3600), (EditTimeFields{15, 11, 23, 13, 0, 0}));
    EXPECT_EQ(TimeFieldsFor(0, 1, 0), (EditTimeFields{1, 1, 70, 0, 0, 0}));
    // Shown as 12:00:00 with a bias of -3600 s, stored as 11:00:00 UTC.
    EXPECT_EQ(UnixTimeFromFields({15, 11, 23, 12, 0, 0}, 0, -3600), kNoon - 3600);
    EXPECT_EQ(UnixTimeFromFields({15, 11, 23, 12, 0, 0}, 1, -3600), kNoon);
    EXPECT_EQ(UnixTimeFromFields({1, 1, 70, 0, 0, 0}, 1, 0), 0);
    EXPECT_FALSE(UnixTimeFromFields({31, 2, 23, 12, 0, 0}, 1, 0));
    EXPECT_FALSE(UnixTimeFromFields({15, 11, 23, 24, 0, 0}, 1, 0));
    EXPECT_FALSE(UnixTimeFromFields({15, -1, 23, 12, 0, 0}, 1, 0));
}

TEST(PassEdits, EditedAosMovesThePassAndKeepsItsFlags) {
    TestStation station(kNoon - 5000);
    auto a = station.AddPass("A", kNoon, kNoon + 600, 50);
    auto b = station.AddPass("B", kNoon + 1000, kNoon + 1600, 50);
    a->runNow = 1;
    EditPassFields f = EditFieldsFor(*a, 1, 0);
    f.aos = TimeFieldsFor(kNoon + 2000, 1, 0);
    f.los = TimeFieldsFor(kNoon + 2600, 1, 0);
    f.status = 1;
    f.runRegardlessOfElevation = true;
    ASSERT_FALSE(ApplyPassEdit(station.state, a, f));
    EXPECT_EQ(station.state.passes, (PassList{b, a}));
    EXPECT_EQ(std::tuple(a->aos, a->runNow, a->runRegardlessOfElevation), std::tuple(kNoon + 2000, 0, 1));
}

TEST(PassEdits, EditOfAPassGoneOrTwiceChangesNothing) {
    TestStation station(kNoon - 5000);
    auto first = station.AddPass("A", kNoon, kNoon + 600, 50);
    auto second = station.AddPass("A", kNoon + 6000, kNoon + 6600, 50);
    EditPassFields onto = EditFieldsFor(*second, 1, 0);
    onto.aos = TimeFieldsFor(kNoon + 59, 1, 0);
    EXPECT_EQ(ApplyPassEdit(station.state, second, onto), kDuplicatePassMessage);
    EXPECT_EQ(second->aos, kNoon + 6000);

    // The editor was open while the pass left the schedule.
    station.state.passes.remove(first);
    EXPECT_FALSE(ApplyPassEdit(station.state, first, EditFieldsFor(*first, 1, 0)));
    EXPECT_EQ(station.state.passes, PassList{second});
}

TEST(PassEdits, RunNowIsOnOnePassOnly) {
    TestStation station(kNoon + 100);
    auto a = station.AddPass("A", kNoon, kNoon + 600, 50);
    auto b = station.AddPass("B", kNoon + 10, kNoon + 900, 50);
    a->runNow = 1;
    b->lastRunEnd = kNoon + 50;
    RunPassNow(station.state, b);
    EXPECT_EQ(std::tuple(a->runNow, b->runNow, station.state.engine.runningSatName), std::tuple(0, 1, "B"));
}

TEST(PassEdits, ManualPassStartsAtOnceAndOnlyOnce) {
    TestStation station(kNoon);
    station.AddPass("A", kNoon + 5000, kNoon + 5600, 50);
    EXPECT_FALSE(HasUnfinishedManualPass(station.state));
    auto manual = StartManualPass(station.state, "MANUAL");
    EXPECT_EQ(std::tuple(station.state.passes.front(), manual->los, station.state.engine.runningSatName),
              std::tuple(manual, kNoon + 900, "MANUAL"));
    EXPECT_TRUE(HasUnfinishedManualPass(station.state));

    // The runner ends the manual pass early: its LOS becomes the end time.
    ModelledProgram program;
    program.exitsAfter = 120;
    TestStation early(kNoon, program);
    auto m = StartManualPass(early.state, "M");
    early.world.RunUntil(kNoon + 200);
    EXPECT_EQ(m->los, kNoon + 2 + 120);
    EXPECT_FALSE(HasUnfinishedManualPass(early.state));
    early.world.RunUntil(kNoon + 2 + 120 + 302);
    EXPECT_TRUE(early.state.passes.empty());
}

TEST(PassEdits, NotificationButtons) {
    TestStation station(kNoon - 100);
    auto b = station.AddPass("B", kNoon + 30, kNoon + 900, 60);
    b->notified = 1;
    b->notifyWindow = 6;
    // The times in UTC, and Cancel finding the pass by the AOS kept in the
    // box, are e2e.pass_notification's.
    EXPECT_EQ(NotificationTextsFor(*b, 0, 3600).aos, "11:00:30");
    ApplyNotificationButton(station.state, "B", kNoon + 31, NotificationButton::Ok);  // no such pass
    EXPECT_EQ(b->notifyWindow, 6u);
    ApplyNotificationButton(station.state, "B", kNoon + 30, NotificationButton::Run);
    EXPECT_EQ(std::tuple(b->runNow, b->notifyWindow), std::tuple(1, 0u));
}

TEST(ListCommands, PassPopupItems) {
    struct Case {
        int32_t startLead, now, runner;
        const char* running;
        int32_t listenOnly;
        PassPopupItems items;
    };
    const Case cases[] = {
        {25, kNoon - 26, 0, "", 0, {false, false, false}},  // start time still ahead
        {25, kNoon - 25, 0, "", 0, {true, false, false}},   // start time reached
        {0, kNoon + 300, 0, "", 1, {true, false, true}},    // under way, listen only set
        {25, kNoon, 2, "ISS", 0, {true, true, false}},      // its satellite is being run
        {25, kNoon, 2, "SO-50", 0, {true, false, false}},   // another satellite runs
        {25, kNoon, 0, "ISS", 0, {true, false, false}},     // a name left from an ended run
    };
    for (const Case& c : cases) {
        const SchedulePass pass{.satName = "ISS", .aos = kNoon, .los = kNoon + 600, .startLead = c.startLead,
                                .listenOnly = c.listenOnly};
        EngineState engine;
        engine.runnerState = c.runner;
        engine.runningSatName = c.running;
        EXPECT_EQ(PassPopupFor(pass, engine, c.now), c.items) << c.now - kNoon << " s, running " << c.running;
    }
}

}  // namespace
}  // namespace tarvon::testing
