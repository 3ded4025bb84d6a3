#include "schedule/ScheduleSatStates.h"

#include <gtest/gtest.h>

#include <tuple>

#include "../ScratchDir.h"
#include "Schedule_helpers.h"
#include "TestElements.h"
#include "orbit/Propagation.h"

namespace tarvon::testing {
namespace {

// An element file imported while the station runs reaches the tracked
// satellites, and each whose next event is known searches it again at once;
// one whose search runs keeps it. (A Redo finding the moved passes of the
// schedule is e2e.station_setup's.)
TEST(TrackingSatStates, ImportDuringARunSearchesTheNextEventsAgain) {
    ScratchDir dir;
    TestStation st(kBulletinDay);
    KepsDatabase db = ImportedTwoLine("tle_bbs_bulletin_2026-05.txt");
    const std::shared_ptr<TrackingEntry> entries[] = {std::make_shared<TrackingEntry>(),
                                                      std::make_shared<TrackingEntry>()};
    for (int i : {0, 1}) {
        InitSatState(db.slots[i], entries[i]->state, 46000.0);
        entries[i]->state.nextEventTime = i == 0 ? 1778460000 : 0;
        st.state.tracking.entries.push_back(entries[i]);
    }
    KepsDatabase imported = db;
    imported.slots[0].meanMotion += 0.01;
    imported.slots[1].meanMotion += 0.01;
    const auto kepsFile = dir / "Kova.KEP";
    ASSERT_TRUE(SaveKepsDatabase(imported, kepsFile));
    TrackingSatStates tracking(st.state);
    SatStateLists lists;
    lists.Add(tracking);
    RefreshSatStatesFromKeps(db, kepsFile, lists, 0.0);

    EXPECT_EQ(std::tuple(entries[0]->state.nextEventTime, entries[1]->state.nextEventTime), std::tuple(1, 0));
    for (int i : {0, 1}) EXPECT_EQ(entries[i]->state.meanMotion, imported.slots[i].meanMotion);
    EXPECT_EQ(st.notices.Redraws().back(), RedrawTarget::TrackingPane);
}

}  // namespace
}  // namespace tarvon::testing
