#include "core/SettingsStore.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/memory/FakeClock.h"
#include "platform/memory/MemoryRegistry.h"

namespace tarvon {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() { registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\General"); }

    std::unique_ptr<RegKey> Key(const char* path) { return registry.Create(RegRoot::LocalMachine, path); }

    Settings Load() {
        Settings s;
        EXPECT_TRUE(LoadSettings(registry, clock, s));
        return s;
    }

    MemoryRegistry registry;
    FakeClock clock{0, -3600};
};

TEST_F(SettingsStoreTest, StoredValuesAreRead) {
    RegWriteString(*Key("SOFTWARE\\Kova\\General"), "Kova Directory", "C:\\KOVA");
    auto station = Key("SOFTWARE\\Kova\\Station");
    RegWriteString(*station, "Callsign", "G0ABC");
    RegWriteDouble(*station, "Latitude", 52.25);
    RegWriteDouble(*station, "Longitude", 1.5);
    RegWriteDword(*station, "Listen Stop", 7);
    auto tarvon = Key("SOFTWARE\\Kova\\Tarvon");
    RegWriteDword(*tarvon, "Schedule Days", 3);
    RegWriteDword(*tarvon, "Pop Up Time", 240);
    RegWriteString(*tarvon, "Map Sat", "AO-51");
    RegWriteString(*registry.Create(RegRoot::CurrentUser, "Control Panel\\International"), "sShortDate", "M/d/yyyy");
    const Settings s = Load();
    EXPECT_EQ(std::tie(s.general.kovaDirectory, s.station.callsign, s.general.mapSat),
              std::tuple("C:\\KOVA", "G0ABC", "AO-51"));
    EXPECT_EQ(std::tuple(s.station.latitude, s.station.longitude, s.station.listenStop), std::tuple(52.25, 1.5, 7u));
    EXPECT_EQ(std::tuple(s.general.scheduleSeconds, s.general.popUpTime), std::tuple(259200u, 240u));
    EXPECT_EQ(s.timeZoneBiasSeconds, -3600);  // the clock's, not stored
    EXPECT_EQ(s.dateTimeFormat, "%m-%d-%y %H:%M:%S");  // from the user's short date
}

TEST_F(SettingsStoreTest, ClampsAndAbsurdValues) {
    using G = GeneralSettings;
    const struct {
        const char* key;  // under SOFTWARE\\Kova
        const char* name;
        uint32_t stored;
        uint32_t G::*member;
        uint32_t expected;
    } cases[] = {
        {"Tarvon", "Map Speed", 0, &G::mapSpeed, 100},
        {"Tarvon", "Map Speed", 10001, &G::mapSpeed, 100},
        {"Tarvon", "Map Speed", 10000, &G::mapSpeed, 10000},
        {"Tarvon", "Map Origin", 3, &G::mapOrigin, 0},
        {"Tarvon", "Map Origin", 2, &G::mapOrigin, 2},
        {"Rotator", "Pacing Delay", 51, &G::pacingDelay, 50},
        {"Rotator", "Speed", 3, &G::rotatorSpeed, 9600},
        {"Rotator", "Speed", 19200, &G::rotatorSpeed, 19200},
        {"Rotator", "Port", 99, &G::rotatorPort, 99},
    };
    for (const auto& c : cases) {
        RegWriteDword(*Key((std::string("SOFTWARE\\Kova\\") + c.key).c_str()), c.name, c.stored);
        EXPECT_EQ(Load().general.*c.member, c.expected) << c.name << " = " << c.stored;
    }
    for (auto [days, seconds] : {std::pair{0xFFFFFFFFu, kMaxScheduleDays * 86400}, std::pair{0u, 0u}}) {
        RegWriteDword(*Key("SOFTWARE\\Kova\\Tarvon"), "Schedule Days", days);
        EXPECT_EQ(Load().general.scheduleSeconds, seconds) << days;
    }
}

TEST_F(SettingsStoreTest, ValuesTooLongForTheirBuffersKeepTheDefault) {
    RegWriteString(*Key("SOFTWARE\\Kova\\Station"), "Callsign", "ABCDEFGHIJKL");  // 12 + NUL
    RegWriteString(*Key("SOFTWARE\\Kova\\Tarvon"), "Map Sat", std::string(20, 'S'));
    RegWriteString(*Key("SOFTWARE\\Kova\\Tarvon"), "Font Name", std::string(200, 'F'));
    RegWriteString(*Key("SOFTWARE\\Kova\\General"), "Kova Directory", std::string(300, 'D'));
    // A DWORD stored as a string and a double stored as a DWORD are not taken.
    RegWriteString(*Key("SOFTWARE\\Kova\\Tarvon"), "Pop Up Time", "999");
    RegWriteDword(*Key("SOFTWARE\\Kova\\Station"), "Latitude", 52);
    const Settings s = Load();
    EXPECT_EQ(s.station.callsign + s.general.mapSat + s.general.kovaDirectory, "");
    EXPECT_EQ(std::tuple(s.general.popUpTime, s.station.latitude), std::tuple(180u, 0.0));
    WindowSettings w;
    ASSERT_TRUE(LoadWindowSettings(registry, w));
    EXPECT_EQ(w.fontName, "Terminal");
}

TEST(DateTimeFormatTest, FollowsTheShortDateOrder) {
    const struct {
        const char* shortDate;
        const char* expected;
    } cases[] = {
        {"yyyy/MM/dd", "%y-%m-%d %H:%M:%S"}, {"Y/D/m", "%y-%d-%m %H:%M:%S"},
        {"dd.MM.yyyy", "%d-%m-%y %H:%M:%S"}, {"MM/dd", "%d-%m-%y %H:%M:%S"},
        {"MM/dd/", "%d-%m-%y %H:%M:%S"},     {"MM/xx/yy", "%d-%m-%y %H:%M:%S"},
        {"/MM/yy", "%d-%m-%y %H:%M:%S"},     {"", "%d-%m-%y %H:%M:%S"},
    };
    for (const auto& c : cases) EXPECT_EQ(DateTimeFormatForShortDate(c.shortDate), c.expected) << c.shortDate;
}

TEST(PlacementRuleTest, KeepsOnlyUsablePositions) {
    const struct {
        int32_t x, y, w, h;
        bool kept;
    } cases[] = {
        {10, 20, 580, 270, true},   {-5, 20, 580, 270, false}, {10, -1, 580, 270, false},
        {10, 20, 580, 40, false},   {10, 20, 49, 270, false},  {1015, 20, 50, 270, false},
        {1014, 20, 50, 270, true},  {10, 758, 580, 50, true},  {10, 759, 580, 50, false},
        {0, 0, 1024, 768, true},    {0, 0, 1025, 768, false},  {0, 0, 1024, 769, false},
    };
    for (const auto& c : cases) {
        WindowSettings w;
        w.xLeft = static_cast<uint32_t>(c.x);
        w.yTop = static_cast<uint32_t>(c.y);
        w.cxWidth = static_cast<uint32_t>(c.w);
        w.cyHeight = static_cast<uint32_t>(c.h);
        const auto stored = std::tuple(w.xLeft, w.yTop, w.cxWidth, w.cyHeight);
        ApplyPlacementRule(w, 1024, 768);
        const uint32_t unset = kUseDefaultPosition;
        EXPECT_EQ(std::tuple(w.xLeft, w.yTop, w.cxWidth, w.cyHeight),
                  c.kept ? stored : std::tuple(unset, unset, unset, unset))
            << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

}  // namespace
}  // namespace tarvon
