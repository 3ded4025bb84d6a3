#include "schedule/SatelliteEdits.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RecordingNotices.h"

namespace tarvon {
namespace {

std::unique_ptr<SatelliteConfig> Satellite(const std::string& name) {
    auto c = NewSatelliteConfig();
    c->name = name;
    c->satelliteType = 1;
    return c;
}

// A name is never taken twice (ignoring case), not by a new satellite nor by
// a renamed one, while a satellite may change the case of its own. How the
// schedule follows each change is the wizard scenario's (e2e.satellite_wizard).
TEST(SatelliteEdits, NamesStayUniqueIgnoringCase) {
    MemoryRegistry registry;
    RecordingNotices notices;
    const SatelliteStore store{registry, notices, nullptr};
    ASSERT_EQ(CreateSatellite(store, *Satellite("A")), SatelliteSave::Saved);
    EXPECT_EQ(CreateSatellite(store, *Satellite("a")), SatelliteSave::DuplicateName);
    ASSERT_EQ(CreateSatellite(store, *Satellite("B")), SatelliteSave::Saved);

    std::string path;
    ASSERT_TRUE(FindSatelliteKey(registry, "B", path));
    EXPECT_EQ(SaveEditedSatellite(store, path, "B", *Satellite("a")), SatelliteSave::DuplicateName);
    EXPECT_EQ(SaveEditedSatellite(store, path, "B", *Satellite("b")), SatelliteSave::Saved);
    auto names = SatelliteNames(registry);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A", "b"}));

    EXPECT_TRUE(RemoveSatellite(store, "b"));
    EXPECT_FALSE(RemoveSatellite(store, "b"));
    EXPECT_EQ(SatelliteNames(registry), std::vector<std::string>{"A"});
}

}  // namespace
}  // namespace tarvon
