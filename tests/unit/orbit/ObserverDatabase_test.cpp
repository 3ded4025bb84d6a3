#include "orbit/ObserverDatabase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>
#include <tuple>
#include <vector>

#include "orbit/ObserverFields.h"
#include "orbit/OrbitConstants.h"
#include "ScratchDir.h"

namespace tarvon {
namespace {
namespace fs = std::filesystem;

ObserverRecord Obs(const char* name, double lat, double lon, double elev = 0.0) {
    ObserverRecord r{"", lat, lon, elev};
    std::strncpy(r.name, name, kObserverNameChars);
    return r;
}

std::vector<std::string> Names(const fs::path& file) {
    std::vector<std::string> names;
    for (const ObserverRecord& r : ReadObserverRecords(file)) names.push_back(r.name);
    return names;
}

class ObserverFileTest : public ::testing::Test {
protected:
    testing::ScratchDir dir;
    fs::path file = ObserverFilePath(dir.Path().string());
};

// The layout, byte for byte both ways, is the observer map scenario's
// (e2e.map_window writes and reads KOVA.OBS itself).
TEST(ObserverRecordLayout, AnUnterminatedNameStopsAtItsField) {
    ObserverBytes unterminated;
    unterminated.fill('A');
    EXPECT_EQ(std::strlen(DecodeObserverRecord(unterminated).name), 25u);
}

TEST(ObserverRecordCheck, DamagedRecordsAreNotUsable) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        ObserverRecord record;
        bool usable;
    } cases[] = {
        {Obs("Home", 52.2, 0.1, 20), true},
        {Obs("South Pole", -90, 180, 2835), true},
        {Obs("", 10, 10), false},
        {Obs("bad\x01name", 10, 10), false},
        {Obs("Lat", 91, 0), false},
        {Obs("Lon", 0, -180.5), false},
        {Obs("NaN", nan, 0), false},
        {Obs("Deep", 0, 0, -20000), false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsUsableObserver(c.record), c.usable) << c.record.name;
}

// A file with a garbage record and a cut tail is the observer map scenario's
// (e2e.map_window): listed without them, kept, appended to on a record boundary.
TEST_F(ObserverFileTest, SaveAppendsOrReplacesAndDeleteRemovesOnlyTheNamedRecord) {
    EXPECT_TRUE(Names(file).empty());
    EXPECT_EQ(DeleteObserverRecord(file, "A"), ObserverDeleteResult::NotFound);
    for (const char* n : {"A", "B", "a"}) {  // case matters
        EXPECT_EQ(SaveObserverRecord(file, Obs(n, 1, 2, 3)), ObserverSaveResult::Appended);
    }
    EXPECT_EQ(SaveObserverRecord(file, Obs("A", -10, -20, 30)), ObserverSaveResult::Replaced);
    EXPECT_EQ(fs::file_size(file), 3 * kObserverRecordBytes);
    ObserverRecord found;
    ASSERT_TRUE(FindObserverRecord(file, "A", found));
    EXPECT_EQ(std::tuple(found.latitude, found.longitude, found.elevation), std::tuple(-10.0, -20.0, 30.0));
    EXPECT_FALSE(FindObserverRecord(file, "C", found));
    EXPECT_EQ(DeleteObserverRecord(file, "B"), ObserverDeleteResult::Deleted);
    EXPECT_EQ(DeleteObserverRecord(file, "B"), ObserverDeleteResult::NotFound);
    EXPECT_EQ(Names(file), (std::vector<std::string>{"A", "a"}));
    for (const char* n : {"A", "a"}) EXPECT_EQ(DeleteObserverRecord(file, n), ObserverDeleteResult::Deleted);
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(ObserverFileTest, GeometryIsRadiansWestPositiveKilometres) {
    SaveObserverRecord(file, Obs("Boulder", 40.0, -105.0, 1650.0));
    ObserverGeo geo;
    ASSERT_TRUE(LoadObserverGeo(file, "Boulder", geo));
    EXPECT_STREQ(geo.name, "Boulder");
    EXPECT_DOUBLE_EQ(geo.latitude, 40.0 * orbit::kDegToRad);
    EXPECT_DOUBLE_EQ(geo.longitude, 105.0 * orbit::kDegToRad);
    EXPECT_DOUBLE_EQ(geo.height, 1.65);
}

// A typed minus under the N and E buttons, and a latitude beyond 90, are the
// observer map scenario's (e2e.map_window).
TEST(ObserverFields, SignsComeFromTheButtonsAndBadTextIsRefused) {
    struct Case {
        ObserverFieldTexts fields;
        bool saved;
        double lat, lon;
    } cases[] = {
        {{"Home", "52.2", "0.12", "20", false, true}, true, 52.2, -0.12},
        {{"Cape", " 33.9 ", "18.4", "10", true, false}, true, -33.9, 18.4},
        {{"   ", "1", "1", "0", false, false}, false, 0, 0},
        {{"Lon", "1", "east", "0", false, false}, false, 0, 0},
        {{"Elev", "1", "1", "", false, false}, false, 0, 0},
    };
    for (const Case& c : cases) {
        ObserverRecord r;
        const std::string message = ObserverRecordFromFields(c.fields, r);
        EXPECT_EQ(message.empty(), c.saved) << c.fields.name << ": " << message;
        if (!c.saved) continue;
        const ObserverFieldTexts shown = FieldsFromObserverRecord(r);
        EXPECT_EQ(std::tuple(r.latitude, r.longitude, shown.south, shown.west),
                  std::tuple(c.lat, c.lon, c.lat < 0, c.lon < 0)) << c.fields.name;
    }
}

}  // namespace
}  // namespace tarvon
