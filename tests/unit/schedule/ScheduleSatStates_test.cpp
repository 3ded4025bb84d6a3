#include "schedule/ScheduleSatStates.h"

#include <gtest/gtest.h>

#include "../ScratchDir.h"
#include "Schedule_helpers.h"
#include "TestElements.h"
#include "core/TimeScales.h"
#include "orbit/NextEvent.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/Propagation.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kStart = 1778457600;  // 2026-05-11 00:00 UTC

// ISS of the May 2026 bulletin, at the point of its orbit given.
KepsRecord Iss(double meanAnomaly) {
    const KepsDatabase bulletin = ImportedTwoLine("tle_bbs_bulletin_2026-05.txt");
    KepsRecord r = bulletin.slots[FindKepsByName(bulletin, "ISS")];
    r.meanAnomaly = meanAnomaly;
    return r;
}

int32_t NextEventTime(const SatState& s, const Settings& settings) {
    std::atomic<int> running{1};
    return FindNextEvent(s, ObserverFromStation(settings.station), running).unixTime;
}

// An element file imported while the station runs reaches its tracked
// satellites: the next AOS moves with the new elements. (A Redo finding the
// moved passes of the schedule is e2e.station_setup's.)
TEST(TrackingSatStates, ImportDuringARunMovesTheNextAos) {
    ScratchDir dir;
    TestStation st(kStart);
    st.settings.station.latitude = 52.2;
    KepsDatabase db;
    AddKepsRecord(db, Iss(313.7980));
    auto tracked = std::make_shared<TrackingEntry>();
    InitSatState(db.slots[0], tracked->state, DayNumberFromUnixTime(kStart));
    const int32_t oldAos = NextEventTime(tracked->state, st.settings);
    tracked->state.nextEventTime = oldAos;
    st.state.tracking.entries.push_back(tracked);

    KepsDatabase imported;
    AddKepsRecord(imported, Iss(43.7980));  // a quarter of an orbit on
    SatState moved;
    InitSatState(imported.slots[0], moved, DayNumberFromUnixTime(kStart));
    const int32_t newAos = NextEventTime(moved, st.settings);
    ASSERT_NE(newAos, oldAos);
    const auto kepsFile = dir / "Kova.KEP";
    ASSERT_TRUE(SaveKepsDatabase(imported, kepsFile));
    TrackingSatStates tracking(st.state);
    SatStateLists lists;
    lists.Add(tracking);
    RefreshSatStatesFromKeps(db, kepsFile, lists, 0.0);

    // The tracking pane searches its next event again at once, with the new elements.
    EXPECT_EQ(tracked->state.nextEventTime, 1);
    EXPECT_EQ(NextEventTime(tracked->state, st.settings), newAos);
    EXPECT_EQ(st.notices.Redraws().back(), RedrawTarget::TrackingPane);
}

}  // namespace
}  // namespace tarvon::testing
