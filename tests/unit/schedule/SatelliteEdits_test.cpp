#include "schedule/SatelliteEdits.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ScratchDir.h"
#include "Schedule_helpers.h"
#include "schedule/ScheduleBuilder.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kStart = 1700000000;

class SatelliteEditsTest : public ::testing::Test {
protected:
    SatelliteEditsTest() : station(kStart) {
        station.settings.general.kovaDirectory = dir.Path().string();
        station.settings.general.scheduleSeconds = 86400;
        for (const char* name : {"A", "B", "C"}) {
            for (int32_t aos = kStart + 1000; aos < kStart + 86400; aos += 6000) {
                station.source.passes[name].push_back({aos, aos + 600, 28, 0});
            }
        }
        station.AddSatelliteKey("k1", "A", 0, 20);
        BuildSchedule(station.state);
    }

    size_t PassesOf(const std::string& name) {
        size_t n = 0;
        for (auto& p : station.state.passes) n += p->satName == name;
        return n;
    }
    std::vector<std::string> Names() {
        auto names = SatelliteNames(station.registry);
        std::sort(names.begin(), names.end());
        return names;
    }
    std::unique_ptr<SatelliteConfig> Satellite(const std::string& name) {
        auto c = NewSatelliteConfig();
        c->name = name;
        c->satelliteType = 1;
        c->priority = 5;
        return c;
    }

    ScratchDir dir;
    TestStation station;
    SatelliteStore store{station.registry, station.notices, &station.state};
};

// A name is never taken twice (ignoring case), not by a new satellite nor by
// a renamed one; a rename takes the old name's passes out of the schedule.
TEST_F(SatelliteEditsTest, NamesStayUniqueAndTheScheduleFollowsEachChange) {
    EXPECT_EQ(CreateSatellite(store, *Satellite("a")), SatelliteSave::DuplicateName);
    ASSERT_EQ(CreateSatellite(store, *Satellite("B")), SatelliteSave::Saved);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
    EXPECT_GT(PassesOf("B"), 0u);

    std::string path;
    ASSERT_TRUE(FindSatelliteKey(station.registry, "B", path));
    EXPECT_EQ(SaveEditedSatellite(store, path, "B", *Satellite("A")), SatelliteSave::DuplicateName);
    EXPECT_GT(PassesOf("B"), 0u);
    EXPECT_EQ(SaveEditedSatellite(store, path, "B", *Satellite("B")), SatelliteSave::Saved);
    ASSERT_EQ(SaveEditedSatellite(store, path, "B", *Satellite("C")), SatelliteSave::Saved);
    EXPECT_EQ(PassesOf("B"), 0u);
    EXPECT_GT(PassesOf("C"), 0u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C"}));

    EXPECT_TRUE(RemoveSatellite(store, "C"));
    EXPECT_EQ(PassesOf("C"), 0u);
    EXPECT_GT(PassesOf("A"), 0u);
    EXPECT_EQ(Names(), std::vector<std::string>{"A"});
    EXPECT_FALSE(RemoveSatellite(store, "C"));
}

}  // namespace
}  // namespace tarvon::testing
