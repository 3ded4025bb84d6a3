#include "schedule/ClockThread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <tuple>

#include "../ScratchDir.h"
#include "RecordingDisplay.h"
#include "Schedule_helpers.h"
#include "TestElements.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/Propagation.h"
#include "schedule/ClockTexts.h"
#include "schedule/ListCommands.h"
#include "schedule/ScheduleSatStates.h"

namespace tarvon::testing {
namespace {

TEST(ClockTexts, CountdownsAndBoxes) {
    const std::pair<int32_t, const char*> countdowns[] = {
        {0, "00:00:00"}, {59, "00:00:59"}, {86400 + 2 * 3600 + 180, "26:03:00"},
        {3 * 86400 + 3600, "73:00:00"}, {4 * 86400 + 3600 + 1, "01:00:01"}, {-5, "00:00:00"}};
    for (auto& [seconds, text] : countdowns) EXPECT_EQ(TrackingCountdownText(seconds), text) << seconds;

    // The UTC clock, the AOS countdown and the title are the clock round's test's.
    EXPECT_EQ(ClockBoxText(kNoon + 5, 0, -3600), "13:00:05 LOC");
    EXPECT_EQ(DateBoxText(kNoon, 1, 0), "15 Nov 2023");
    EXPECT_EQ(NextPassBoxText(kNoon + 59, kNoon, false), "00:00:59 LOS");
}

TEST(ClockTexts, TrackingLine) {
    const TrackingLineValues v{"AO-91", 123.4, -5.6, 2345.6, "  -123", 200.2, "00:10:00", "KA   "};
    EXPECT_EQ(TrackingLineText(v), "AO-91        123  -6   2346   -123  200  00:10:00  KA   ");
}

TEST(ClockThread, ClockAndCountdownBoxes) {
    TestStation station(kNoon);
    station.AddPass("A", kNoon + 3725, kNoon + 4000, 50);
    RecordingDisplay display;
    ClockRoundMemory memory;
    ClockRound(station.state, display, memory);
    EXPECT_EQ(std::tie(display.clock, display.nextName, display.nextCountdown),
              std::tuple("12:00:00 UTC", "A", "01:02:05 AOS"));

    station.flags.schedulingEnabled = 0;
    ClockRound(station.state, display, memory);
    EXPECT_EQ(display.nextCountdown, "");
    display.minimised = true;
    ClockRound(station.state, display, memory);
    EXPECT_TRUE(display.titles.empty());  // no countdown in the title while scheduling is off

    station.flags.schedulingEnabled = 1;
    station.state.engine.nextWakeTime = 0;
    ClockRound(station.state, display, memory);
    ASSERT_EQ(display.titles.size(), 1u);
    EXPECT_EQ(display.titles[0], "Tarvon 01:02:05");
    display.minimised = false;
    ClockRound(station.state, display, memory);
    ClockRound(station.state, display, memory);
    EXPECT_EQ(display.titles, (std::vector<std::string>{"Tarvon 01:02:05", "Tarvon"}));
}

TEST(ClockThread, ScheduleScrollReturnsAfterTwoMinutes) {
    TestStation station(kNoon);
    RecordingDisplay display;
    ClockRoundMemory memory;
    station.state.engine.scrollTime = kNoon - 120;
    ClockRound(station.state, display, memory);
    EXPECT_EQ(display.scrollResets, 0);

    station.state.engine.scrollTime = kNoon - 121;
    display.popupOpen = true;
    ClockRound(station.state, display, memory);
    EXPECT_EQ(std::tuple(display.scrollResets, station.state.engine.scrollTime.load()), std::tuple(0, kNoon));

    display.popupOpen = false;
    station.clock.SetNowUnix(kNoon + 121);
    ClockRound(station.state, display, memory);
    EXPECT_EQ(std::tuple(display.scrollResets, station.state.engine.scrollTime.load()), std::tuple(1, kNever));
}

TEST(ClockThread, StartsAfterOneAndAHalfSecondsAndStopsAtShutdown) {
    TestStation station(kNoon);
    RecordingDisplay display;
    int rounds = 0;
    station.waits.OnWait([&](const WaitCall& call) {
        if (call.kind == WaitCall::Kind::WaitAny && ++rounds == 3) station.sync.shutdown.Set();
    });
    ClockThread(station.state, display);
    auto durations = station.waits.Durations();
    ASSERT_GE(durations.size(), 2u);
    EXPECT_EQ(std::tuple(durations[0], durations[1], rounds), std::tuple(1500u, 975u, 3));
}

TEST(TrackingList, ModeSchedules) {
    struct Case { const char* schedule; double phase; const char* mode; };
    const Case cases[] = {{"000KA100KB200JD", 99.9, "KA   "}, {"000KA100KB200JD", 255, "JD   "}, {"000KA", 17, "KA   "},
                          {"050KA", 49, "     "},           {"", 0, "     "},          {"010LONGMODE020B", 10, "LONGM"}};
    for (const Case& c : cases) EXPECT_EQ(ModeForPhase(ParseModeSchedule(c.schedule), c.phase), c.mode) << c.schedule;
    EXPECT_EQ(ParseModeSchedule("000KA100KB200JD")[1].startPhase, 100);
    EXPECT_TRUE(ParseModeSchedule("01").empty());
}

// A station near the BBS bulletin's epochs, with its elements.
class TrackingListTest : public ::testing::Test {
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

TEST_F(TrackingListTest, LoadedEntriesGetTheirNextEventFromTheClockRound) {
    station.settings.station.latitude = 52.0;
    RegWriteString(*station.registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Tarvon"), "Tracking",
                   "ISS~NOT-THERE~SO-50");
    LoadTrackingList(station.state.tracking, station.registry, db, ObserverFromStation(station.settings.station),
                     kBulletinDay);
    ASSERT_EQ(station.state.tracking.entries.size(), 1u);  // SO-50 lacks its "~", NOT-THERE is unknown
    EXPECT_EQ(station.state.tracking.count, 2);

    RecordingDisplay display;
    ClockRoundMemory memory;
    station.clock.SetNowUnix(kBulletinDay + 2);
    ClockRound(station.state, display, memory);
    int32_t next = 0;
    for (int i = 0; i < 500 && next == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::lock_guard<std::recursive_mutex> lock(station.sync.scheduleLock);
        next = station.state.tracking.entries.front()->state.nextEventTime;
    }
    station.state.tracking.StopNextEvents();
    EXPECT_GT(next, kBulletinDay);
    EXPECT_LT(next, kBulletinDay + 86400);
}

TEST_F(TrackingListTest, ReplacingKeepsTheKnownNamesAndStoresThem) {
    Replace({"ISS", "NOT-THERE", "SO-50"});
    TrackingList& list = station.state.tracking;
    EXPECT_EQ(TrackingListNames(list), (std::vector<std::string>{"SO-50", "ISS"}));
    EXPECT_EQ(State(), std::tuple("ISS~SO-50~", 3, 2u));  // as many lines as names chosen
    for (const auto& entry : list.entries) EXPECT_EQ(entry->state.nextEventTime, 1);

    Replace({"ISS"});
    EXPECT_EQ(State(), std::tuple("ISS~", 2, 1u));  // one entry still has two lines
}

TEST_F(TrackingListTest, RemovingRewritesTheValueAndKeepsTwoLines) {
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

TEST(TrackingList, DisplayOrderByNextEventKeepsListOrderForTies) {
    TrackingList list;
    for (int32_t t : {50, 0, 50, 10}) {
        auto entry = std::make_shared<TrackingEntry>();
        entry->state.nextEventTime = t;
        entry->state.catalogNumber = uint32_t(list.entries.size());
        list.entries.push_back(entry);
    }
    SortTrackingDisplay(list);
    std::vector<uint32_t> shown;
    for (auto& d : list.display) shown.push_back(d->state.catalogNumber);
    EXPECT_EQ(shown, (std::vector<uint32_t>{1, 3, 0, 2}));
}

// An element file imported while the station runs reaches the tracked
// satellites, and each whose next event is known searches it again at once;
// one whose search runs keeps it. (A Redo finding the moved passes of the
// schedule is e2e.station_setup's.)
TEST_F(TrackingListTest, ImportDuringARunSearchesTheNextEventsAgain) {
    ScratchDir dir;
    const std::shared_ptr<TrackingEntry> entries[] = {std::make_shared<TrackingEntry>(),
                                                      std::make_shared<TrackingEntry>()};
    for (int i : {0, 1}) {
        InitSatState(db.slots[i], entries[i]->state, 46000.0);
        entries[i]->state.nextEventTime = i == 0 ? 1778460000 : 0;
        station.state.tracking.entries.push_back(entries[i]);
    }
    KepsDatabase imported = db;
    imported.slots[0].meanMotion += 0.01;
    imported.slots[1].meanMotion += 0.01;
    const auto kepsFile = dir / "Kova.KEP";
    ASSERT_TRUE(SaveKepsDatabase(imported, kepsFile));
    TrackingSatStates tracking(station.state);
    SatStateLists lists;
    lists.Add(tracking);
    RefreshSatStatesFromKeps(db, kepsFile, lists, 0.0);

    EXPECT_EQ(std::tuple(entries[0]->state.nextEventTime, entries[1]->state.nextEventTime), std::tuple(1, 0));
    for (int i : {0, 1}) EXPECT_EQ(entries[i]->state.meanMotion, imported.slots[i].meanMotion);
    EXPECT_EQ(station.notices.Redraws().back(), RedrawTarget::TrackingPane);
}

}  // namespace
}  // namespace tarvon::testing
