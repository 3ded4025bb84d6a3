#include "orbit/SatStateLists.h"

#include <gtest/gtest.h>

#include <vector>

#include "orbit/Propagation.h"
#include "ScratchDir.h"
#include "orbit_helpers.h"

namespace tarvon {
namespace {

// A list as the scheduler or the tracking list keeps one.
class VectorList : public SatStateList {
public:
    void ForEachSatState(const std::function<void(SatState&)>& visit) override {
        for (auto& s : states) visit(s);
    }
    void AfterRefresh() override { ++repaints; }
    std::vector<SatState> states;
    int repaints = 0;
};

TEST(SatStateLists, RefreshGivesRegisteredStatesTheirNewElements) {
    const testing::ScratchDir dir;
    const auto file = dir / "Kova.KEP";
    KepsDatabase db;
    AddKepsRecord(db, testing::LowOrbit("AO-7", 7530, 12.5));
    AddKepsRecord(db, testing::LowOrbit("ISS", 25544, 15.5));
    VectorList schedule, tracking, unregistered;
    for (VectorList* list : {&schedule, &tracking, &unregistered}) {
        for (const auto& slot : {db.slots[0], db.slots[1], testing::LowOrbit("GONE", 999, 14.0)}) {
            list->states.emplace_back();
            InitSatState(slot, list->states.back(), 46000.0);
        }
    }
    schedule.states[1].aos = 46000.5;
    SatStateLists lists;
    lists.Add(schedule);
    lists.Add(tracking);
    lists.Add(unregistered);
    lists.Remove(unregistered);

    db.slots[0].meanMotion = -12.5;  // damaged on disk: its states must not take it
    db.slots[1].meanMotion = 15.6;
    CopyKepsName(db.slots[1], "ZARYA");
    ASSERT_TRUE(SaveKepsDatabase(db, file));
    KepsDatabase memory;
    const KepsFileCheck check = RefreshSatStatesFromKeps(memory, file, lists, 1.0);
    EXPECT_EQ(check.damagedSlots, std::vector<int>{0});

    EXPECT_EQ(FindKepsByCatalog(memory, 25544), 1);
    for (VectorList* list : {&schedule, &tracking}) {
        EXPECT_EQ(list->repaints, 1);
        EXPECT_EQ(list->states[1].meanMotion, 15.6);
        EXPECT_STREQ(list->states[1].name, "ISS");  // the state keeps its name
        EXPECT_NEAR(list->states[1].doppler, -145e6 / 299792.0, 1e-6);
        EXPECT_EQ(list->states[2].meanMotion, 14.0);  // no longer in the table
        EXPECT_EQ(list->states[0].meanMotion, 12.5);
    }
    EXPECT_EQ(schedule.states[1].aos, 46000.5);
    EXPECT_EQ(unregistered.states[1].meanMotion, 15.5);
    EXPECT_EQ(unregistered.repaints, 0);
}

}  // namespace
}  // namespace tarvon
