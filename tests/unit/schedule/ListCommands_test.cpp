#include "schedule/ListCommands.h"

#include <gtest/gtest.h>

#include <tuple>

#include "Schedule_helpers.h"
#include "TestElements.h"
#include "orbit/ObserverGeometry.h"

namespace tarvon::testing {
namespace {

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

class TrackingEdits : public ::testing::Test {
protected:
    // The stored value, the lines the pane gives the list and the entries it shows.
    std::tuple<std::string, int, size_t> State() {
        std::string value;
        auto key = station.registry.Open(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Tarvon");
        if (key) RegReadString(*key, "Tracking", value, 1000);
        return {value, station.state.tracking.count, station.state.tracking.display.size()};
    }
    void Replace(const std::vector<std::string>& names) {
        ReplaceTrackingList(station.state.tracking, names, station.registry, db,
                            ObserverFromStation(station.settings.station), kBulletinDay);
    }
    KepsDatabase db = ImportedTwoLine("tle_bbs_bulletin_2026-05.txt");
    TestStation station{kBulletinDay};
};

TEST_F(TrackingEdits, ReplacingKeepsTheKnownNamesAndStoresThem) {
    Replace({"ISS", "NOT-THERE", "SO-50"});
    TrackingList& list = station.state.tracking;
    EXPECT_EQ(TrackingListNames(list), (std::vector<std::string>{"SO-50", "ISS"}));
    EXPECT_EQ(State(), std::tuple("ISS~SO-50~", 3, 2u));  // as many lines as names chosen
    for (const auto& entry : list.entries) EXPECT_EQ(entry->state.nextEventTime, 1);

    Replace({"ISS"});
    EXPECT_EQ(State(), std::tuple("ISS~", 2, 1u));  // one entry still has two lines
}

TEST_F(TrackingEdits, RemovingRewritesTheValueAndKeepsTwoLines) {
    Replace({"ISS", "SO-50", "AO-91"});
    TrackingList& list = station.state.tracking;
    ASSERT_EQ(list.entries.size(), 3u);
    const auto iss = list.entries.back();
    ASSERT_TRUE(RemoveTrackingEntry(list, iss, station.registry));
    EXPECT_EQ(State(), std::tuple("AO-91~SO-50~", 2, 2u));
    EXPECT_FALSE(RemoveTrackingEntry(list, iss, station.registry));  // already gone

    ASSERT_TRUE(RemoveTrackingEntry(list, list.entries.front(), station.registry));
    ASSERT_TRUE(RemoveTrackingEntry(list, list.entries.front(), station.registry));
    EXPECT_EQ(State(), std::tuple("", 2, 0u));
}

}  // namespace
}  // namespace tarvon::testing
