#include "core/SatelliteConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RecordingNotices.h"
#include "ScratchDir.h"

namespace tarvon {
namespace {

const std::string kRoot = kSatellitesKeyPath;

std::unique_ptr<RegKey> Key(MemoryRegistry& registry, const std::string& subkey) {
    return registry.Create(RegRoot::LocalMachine, kRoot + "\\" + subkey);
}

// Each value's registry type and size, the DSP mode's four bytes without a
// terminator among them, are checked in e2e.satellite_wizard and
// e2e.satellite_link_pages.
TEST(SatelliteConfig, SaveThenLoadKeepsEveryValue) {
    MemoryRegistry registry;
    RecordingNotices notices;
    auto c = NewSatelliteConfig();
    c->name = "UO-11";
    c->satelliteType = 1;  // no directories made
    c->uplink[2] = 145.825;
    c->downlinkIf = 10.7;
    c->dspMode = "9600";
    c->satGateCollect = "G0ABC G0DEF";
    c->priority = 7;
    auto key = Key(registry, "UO-11");
    ASSERT_EQ(SaveSatelliteConfig(*key, c.get(), notices), 1);
    EXPECT_EQ(SaveSatelliteConfig(*key, nullptr, notices), 0);
    auto loaded = LoadSatelliteConfig(*key);
    EXPECT_EQ(std::tie(loaded->name, loaded->dspMode, loaded->satGateCollect),
              std::tuple("UO-11", "9600", "G0ABC G0DEF"));
    EXPECT_EQ(std::tuple(loaded->isExisting, loaded->uplink[2], loaded->downlinkIf, loaded->rxBuffer, loaded->priority),
              std::tuple(1u, 145.825, 10.7, 16384u, 7u));
    EXPECT_TRUE(notices.Shown().empty());
}

TEST(SatelliteConfig, MissingOrOversizedValuesLoadAsZero) {
    MemoryRegistry registry;
    auto key = Key(registry, "X");
    RegWriteString(*key, "Name", "A-NAME-TOO-LONG");
    RegWriteDword(*key, "Priority", 42);
    auto c = LoadSatelliteConfig(*key);
    EXPECT_EQ(c->name, "");
    // Zero, not the new-satellite defaults.
    EXPECT_EQ(std::tuple(c->priority, c->startTime, c->txBuffer), std::tuple(42u, 0u, 0u));
}

TEST(SatelliteConfig, FindCreateAndDelete) {
    MemoryRegistry registry;
    auto renamed = Key(registry, "FO-29");
    RegWriteString(*renamed, "Name", "JAS-2");
    std::string path;
    EXPECT_EQ(FindSatelliteKey(registry, "jas-2", path), 1);
    EXPECT_EQ(path, kRoot + "\\FO-29");
    EXPECT_EQ(FindSatelliteKey(registry, "FO-29", path), 0);

    EXPECT_EQ(CreateSatelliteKey(registry, "FO-29"), kRoot + "\\FO-29 [0]");
    EXPECT_EQ(CreateSatelliteKey(registry, "FO-29"), kRoot + "\\FO-29 [1]");
    EXPECT_EQ(CreateSatelliteKey(registry, "AO-7"), kRoot + "\\AO-7");

    RegWriteString(*registry.Open(RegRoot::LocalMachine, kRoot + "\\AO-7"), "Name", "AO-7");
    EXPECT_EQ(SatelliteNames(registry), (std::vector<std::string>{"AO-7", "JAS-2"}));

    EXPECT_EQ(DeleteSatellite(registry, "JAS-2"), 1);
    EXPECT_EQ(FindSatelliteKey(registry, "JAS-2", path), 0);
    EXPECT_EQ(DeleteSatellite(registry, "JAS-2"), 0);
}

TEST(SatelliteConfig, StoredDirectoriesNeverEndInABackslash) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Kova\\", "C:\\Kova"}, {"C:\\Kova", "C:\\Kova"}, {"X:\\", "X:"}, {"\\", ""}, {"", ""}};
    for (auto& [in, out] : cases) EXPECT_EQ(DirectoryWithoutTrailingSlash(in), out) << in;
}

TEST(SatelliteConfig, PacSatSaveMakesItsDirectoriesAndReportsFailures) {
    namespace fs = std::filesystem;
    const testing::ScratchDir base;
    MemoryRegistry registry;
    RecordingNotices notices;
    auto c = NewSatelliteConfig();
    c->satelliteDirectory = (base / "SAT").string() + "\\";
    c->messageDirectory = (base / "SAT" / "Msgs").string();
    // Neither a file in the way nor a directory two levels down is made.
    std::ofstream(base / "file") << "in the way";
    c->imageDirectory = (base / "file").string() + "\\";
    c->logDirectory = (base / "missing" / "deeper").string();
    auto key = Key(registry, "P");
    SaveSatelliteConfig(*key, c.get(), notices);
    EXPECT_TRUE(fs::is_directory(base / "SAT"));
    EXPECT_TRUE(fs::is_directory(base / "SAT" / "Msgs"));
    ASSERT_EQ(notices.Shown().size(), 2u);
    EXPECT_EQ(notices.Shown()[0].text, "Unable to create directory \"" + (base / "file").string() + "\"");
    EXPECT_EQ(notices.Shown()[1].text, "Unable to create directory \"" + c->logDirectory + "\"");
    std::string stored;
    RegReadString(*key, "Satellite Directory", stored, 260);
    EXPECT_EQ(stored, (base / "SAT").string());
}

}  // namespace
}  // namespace tarvon
