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

// A renamed satellite never takes another's name, ignoring case, yet may
// change the case of its own. A new satellite given a taken name, a rename
// to one, and how the schedule follows each change are the wizard scenario's
// (e2e.satellite_wizard).
TEST(SatelliteEdits, RenamesStayUniqueIgnoringCase) {
    MemoryRegistry registry;
    RecordingNotices notices;
    const SatelliteStore store{registry, notices, nullptr};
    ASSERT_EQ(CreateSatellite(store, *Satellite("A")), SatelliteSave::Saved);
    ASSERT_EQ(CreateSatellite(store, *Satellite("B")), SatelliteSave::Saved);
    std::string path;
    ASSERT_TRUE(FindSatelliteKey(registry, "B", path));
    EXPECT_EQ(SaveEditedSatellite(store, path, "B", *Satellite("a")), SatelliteSave::DuplicateName);
    EXPECT_EQ(SaveEditedSatellite(store, path, "B", *Satellite("b")), SatelliteSave::Saved);
    auto names = SatelliteNames(registry);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A", "b"}));
}

}  // namespace
}  // namespace tarvon
