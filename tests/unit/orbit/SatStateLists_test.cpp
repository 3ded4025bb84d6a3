#include "orbit/SatStateLists.h"

#include <gtest/gtest.h>

#include <tuple>
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
        // GONE is no longer in the table; ISS keeps its name.
        const auto& states = list->states;
        EXPECT_EQ(std::tuple(list->repaints, states[0].meanMotion, states[1].meanMotion, states[2].meanMotion),
                  std::tuple(1, 12.5, 15.6, 14.0));
        EXPECT_STREQ(states[1].name, "ISS");
        EXPECT_NEAR(states[1].doppler, -145e6 / 299792.0, 1e-6);
    }
    EXPECT_EQ(schedule.states[1].aos, 46000.5);
    EXPECT_EQ(std::tuple(unregistered.repaints, unregistered.states[1].meanMotion), std::tuple(0, 15.5));
}

}  // namespace
}  // namespace tarvon
