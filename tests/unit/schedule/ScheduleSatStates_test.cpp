#include "schedule/ScheduleSatStates.h"

#include <gtest/gtest.h>

#include "../ScratchDir.h"
#include "Schedule_helpers.h"
#include "TestElements.h"
#include "core/TimeScales.h"
#include "orbit/NextEvent.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/Propagation.h"
#include "schedule/OrbitPassSource.h"
#include "schedule/ScheduleBuilder.h"

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

int32_t FirstAos(const KepsDatabase& db, const Settings& settings, Clock& clock) {
    auto search = OrbitPassSource(db, ObserverFromStation(settings.station), PassSearchSettings{}, clock).NewSearch("ISS");
    FoundPass found;
    while (!search->Step(found)) {
    }
    return found.aos;
}

// An element file imported while the station runs reaches its scheduled and
// tracked satellites: the next AOS moves with the new elements.
TEST(ScheduleSatStates, ImportDuringARunMovesTheNextAos) {
    ScratchDir dir;
    TestStation st(kStart);
    Settings& settings = st.settings;
    settings.station.latitude = 52.2;
    settings.general.kovaDirectory = dir.Path().string();
    KepsDatabase db;
    AddKepsRecord(db, Iss(313.7980));
    OrbitPassSource source(db, ObserverFromStation(settings.station), PassSearchSettings{}, st.clock);
    ScheduleState state(ScheduleServices{st.platform, st.sync, st.flags, settings, source, st.world, st.world, true});
    st.world.Attach(state);
    UpdateSatelliteScheduling(state, "ISS", 10, 0, 0, 0, 25);
    ASSERT_FALSE(state.passes.empty());
    const int32_t oldAos = state.passes.front()->aos;
    auto tracked = std::make_shared<TrackingEntry>();
    InitSatState(db.slots[0], tracked->state, DayNumberFromUnixTime(kStart));
    tracked->state.nextEventTime = oldAos;
    state.tracking.entries.push_back(tracked);

    KepsDatabase imported;
    AddKepsRecord(imported, Iss(43.7980));  // a quarter of an orbit on
    const int32_t newAos = FirstAos(imported, settings, st.clock);
    ASSERT_NE(newAos, oldAos);
    const auto kepsFile = dir / "Kova.KEP";
    ASSERT_TRUE(SaveKepsDatabase(imported, kepsFile));
    ScheduledSatStates scheduled(state);
    TrackingSatStates tracking(state);
    SatStateLists lists;
    lists.Add(scheduled);
    lists.Add(tracking);
    RefreshSatStatesFromKeps(db, kepsFile, lists, 0.0);

    // The tracking pane searches its next event again at once, with the new elements.
    EXPECT_EQ(tracked->state.nextEventTime, 1);
    std::atomic<int> running{1};
    EXPECT_EQ(FindNextEvent(tracked->state, ObserverFromStation(settings.station), running).unixTime, newAos);
    EXPECT_EQ(st.notices.Redraws().back(), RedrawTarget::TrackingPane);
    // The schedule's searches go on with them: a Redo finds the moved pass.
    RedoSchedule(state);
    ASSERT_FALSE(state.passes.empty());
    EXPECT_EQ(state.passes.front()->aos, newAos);
}

}  // namespace
}  // namespace tarvon::testing
