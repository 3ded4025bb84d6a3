#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "CliArgs.h"
#include "CliDispatch.h"
#include "core/TimeScales.h"
#include "core/FileReplace.h"
#include "orbit/KepsDatabase.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/OrbitConstants.h"
#include "orbit/PassSearch.h"
#include "orbit/Propagation.h"

namespace tarvon::cli {
namespace {
namespace fs = std::filesystem;

const std::string kData = TARVON_TEST_DATA;

struct CliRun {
    int code;
    std::string out, err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = Dispatch(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The process id keeps builds that test side by side apart.
        dir = fs::temp_directory_path() / ("cli_test_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        keps = (dir / "Kova.KEP").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    void ImportAmateur() { ASSERT_EQ(Cli({"import", "--keps", keps, kData + "/tle_amateur_2001-09.txt"}).code, 0); }
    fs::path dir;
    std::string keps;
};

TEST(CliArgsTest, TimesInBothNotations) {
    struct Case { const char* text; int32_t unixTime; };
    const Case cases[] = {{"0", 0},
                          {"1001203200", 1001203200},
                          {"1970-01-01", 0},
                          {"2001-09-23", 1001203200},
                          {"2001-09-23T00:00:00Z", 1001203200},
                          {"2001-09-23 01:02:03", 1001206923},
                          {"2001-09-23T01:02", 1001206920},
                          {"2024-02-29T12:00:00Z", 1709208000}};
    for (const auto& c : cases) EXPECT_EQ(ParseTime(c.text, "--start"), c.unixTime) << c.text;
    for (const char* bad : {"", "2001-13-01", "2001-02-29", "2001-09-23X", "2001-09-23T25:00", "yesterday",
                            "99999999999", "2001-09-23T01:02:03+02", "1-1-1", "2040-01-01", "-5", "-86400",
                            "1969-12-31T23:59:59Z"}) {
        EXPECT_THROW(ParseTime(bad, "--start"), CliError) << bad;
    }
    EXPECT_EQ(FormatIsoTime(1001206923), "2001-09-23T01:02:03Z");
}

TEST(CliArgsTest, NumbersAndOptions) {
    EXPECT_EQ(ParseReal("-11.5", "--lon"), -11.5);
    for (const char* bad : {"", "12a", "nan", "inf", "1e999", " "}) EXPECT_THROW(ParseReal(bad, "--lat"), CliError) << bad;
    const CliArgs args({"--keps", "K", "--verbose", "file", "-5"}, {"--keps"}, {"--verbose"});
    EXPECT_EQ(args.Required("--keps"), "K");
    EXPECT_TRUE(args.Flag("--verbose"));
    EXPECT_EQ(args.Positionals(), (std::vector<std::string>{"file", "-5"}));
    EXPECT_THROW(args.Required("--lat"), CliError);
    EXPECT_THROW(CliArgs({"--keps"}, {"--keps"}, {}), CliError);
    EXPECT_THROW(CliArgs({"--bogus"}, {"--keps"}, {}), CliError);
}

TEST_F(CliTest, EverySubcommandHasHelp) {
    for (const char* command : {"import", "keps", "passes", "look"}) {
        const CliRun r = Cli({command, "--help"});
        EXPECT_EQ(r.code, 0) << command;
        EXPECT_NE(r.out.find(std::string("usage: tarvon-cli ") + command), std::string::npos) << command;
    }
    EXPECT_EQ(Cli({"--help"}).code, 0);
    EXPECT_NE(Cli({}).code, 0);
}

TEST_F(CliTest, ErrorsAreOneLineAndNonZero) {
    ImportAmateur();
    const std::vector<std::string> station = {"--lat", "48.1", "--lon", "-11.6", "--alt", "520"};
    auto with = [&](std::vector<std::string> args) {
        args.insert(args.end(), station.begin(), station.end());
        return args;
    };
    const std::vector<std::vector<std::string>> bad = {
        {"frobnicate"},
        {"keps", "--keps", (dir / "missing.KEP").string()},
        {"import", "--keps", keps, (dir / "missing.txt").string()},
        {"import", "--keps", keps},
        with({"passes", "--keps", keps, "--start", "2001-09-23", "--days", "x"}),
        with({"passes", "--keps", keps, "--start", "tomorrow", "--days", "1"}),
        with({"passes", "--keps", keps, "--start", "-5", "--days", "1"}),
        with({"passes", "--keps", keps, "--start", "0", "--days", "1", "--sat", "NOSUCH"}),
        with({"passes", "--keps", keps, "--start", "0", "--days", "1", "--flip", "2"}),
        with({"passes", "--keps", keps, "--start", "0", "--days", "1", "--stop", "east"}),
        {"passes", "--keps", keps, "--start", "0", "--days", "1", "--lat", "91", "--lon", "0", "--alt", "0"},
        with({"look", "--keps", keps, "--sat", "NOSUCH", "--time", "0"}),
        with({"look", "--keps", keps, "--sat", "AO-40"}),
    };
    for (const auto& args : bad) {
        const CliRun r = Cli(args);
        EXPECT_NE(r.code, 0) << args[0] << " " << args.back();
        EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
        EXPECT_TRUE(r.out.empty() || r.out == "satellite,aos,los,max_el,overhead\n") << r.out;
    }
}

TEST_F(CliTest, ImportCreatesTheDatabaseAndReports) {
    CliRun r = Cli({"import", "--keps", keps, kData + "/tle_amateur_2001-09.txt"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(fs::file_size(keps), 8300u);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], "AO-10: Added to database");
    r = Cli({"import", "--keps", keps, "--verbose", kData + "/verbose_amateur_2001-09.txt"});
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Lines(r.out)[0], "AO-10: Old Keps - Not Updated");
    r = Cli({"import", "--keps", keps, "--verbose", kData + "/tle_amateur_2001-09.txt"});
    EXPECT_EQ(r.out, "No Satellites Found!\n");
    r = Cli({"keps", "--keps", keps});
    ASSERT_EQ(r.code, 0);
    const auto list = Lines(r.out);
    ASSERT_EQ(list.size(), 35u);
    EXPECT_NE(list[1].find("   1 AO-10"), std::string::npos) << list[1];
    EXPECT_NE(list[1].find(" 14129 01 265.21732396   2.05867543 "), std::string::npos) << list[1];
}

// The passes, stepped here with the search itself, printed the same way.
std::string ExpectedPasses(const KepsRecord& k, ObserverGeo o, int32_t start, int32_t horizon) {
    SatState s;
    InitSatState(k, s, DayNumberFromUnixTime(start));
    s.now = DayNumberFromUnixTime(start);
    PassSearchSettings settings;
    settings.giveUpDays = 3.0;
    std::string csv;
    for (;;) {
        const int r = PassSearchStep(s, o, settings);
        if (r == kPassStepNoPass) break;
        if (r == kPassStepSearching) continue;
        const int32_t aos = UnixTimeFromDayNumber(s.aos);
        if (aos > horizon) break;
        csv += std::string(s.name) + "," + std::to_string(aos) + "," + std::to_string(UnixTimeFromDayNumber(s.los)) +
               "," + std::to_string(static_cast<int>(s.searchElevation * orbit::kRadToDeg)) + ",0\n";
    }
    return csv;
}

TEST_F(CliTest, PassesAreWhatTheSearchGives) {
    ImportAmateur();
    const int32_t start = 1001203200;
    const CliRun r = Cli({"passes", "--keps", keps, "--lat", "48.1", "--lon", "-11.6", "--alt", "520", "--start",
                       "2001-09-23T00:00:00Z", "--days", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    KepsDatabase db;
    LoadKepsDatabase(db, keps);
    const ObserverGeo o = ObserverFromStation({"X", -11.6, 48.1, 520.0});
    std::string expected = "satellite,aos,los,max_el,overhead\n";
    for (const auto& k : db.slots) {
        if (!IsFreeSlot(k)) expected += ExpectedPasses(k, o, start, start + 2 * 86400);
    }
    EXPECT_EQ(r.out, expected);
    // Dozens of low-orbit passes over two days, every one inside the window.
    const auto lines = Lines(r.out);
    EXPECT_GT(lines.size(), 100u);
    const CliRun one = Cli({"passes", "--keps", keps, "--lat", "48.1", "--lon", "-11.6", "--alt", "520", "--start",
                         std::to_string(start), "--days", "2", "--sat", "iss (zarya)", "--flip", "1", "--stop", "north"});
    ASSERT_EQ(one.code, 0);
    const auto issLines = Lines(one.out);
    EXPECT_GE(issLines.size(), 7u);
    for (size_t i = 1; i < issLines.size(); ++i) EXPECT_EQ(issLines[i].rfind("ISS (ZARYA),", 0), 0u) << issLines[i];
}

TEST_F(CliTest, LookShowsTheGeometry) {
    ImportAmateur();
    const CliRun r = Cli({"look", "--keps", keps, "--sat", "ISS (ZARYA)", "--lat", "48.1", "--lon", "-11.6", "--alt",
                       "520", "--time", "2001-09-23T00:00:00Z"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "satellite   ISS (ZARYA)");
    EXPECT_EQ(lines[1], "time        2001-09-23T00:00:00Z (1001203200)");
    EXPECT_EQ(lines[6], "doppler     no beacon");
    EXPECT_EQ(lines[12], "squint      not set");
    // The same numbers as the geometry gives directly.
    KepsDatabase db;
    LoadKepsDatabase(db, keps);
    SatState s;
    InitSatState(db.slots[FindKepsByName(db, "ISS (ZARYA)")], s, DayNumberFromUnixTime(1001203200));
    ObserverGeo o = ObserverFromStation({"X", -11.6, 48.1, 520.0});
    UpdateLookAngles(s, o);
    char el[64];
    std::snprintf(el, sizeof el, "elevation   %.2f deg", s.elevation * orbit::kRadToDeg);
    EXPECT_EQ(lines[3], el);
}

TEST_F(CliTest, DamagedSlotsAreNeverUsedAndNamesPrintEscaped) {
    ImportAmateur();
    KepsDatabase db;
    LoadKepsDatabase(db, keps);
    CopyKepsName(db.slots[0], "\x1b[2J\aAO-10");
    db.slots[1].meanMotion = std::nan("");  // UO-11
    ASSERT_TRUE(SaveKepsDatabase(db, keps));
    std::vector<uint8_t> before, after;
    ASSERT_TRUE(ReadWholeFile(keps, before));
    const std::vector<std::string> at = {"--lat", "48.1", "--lon", "-11.6", "--alt", "520", "--time", "2001-09-23"};
    auto with = [&](std::vector<std::string> args, size_t n) {
        args.insert(args.end(), at.begin(), at.begin() + n);
        return args;
    };
    struct Case { std::vector<std::string> args; int code; const char* shown; };
    const Case cases[] = {
        {{"keps", "--keps", keps}, 0, "   2 UO-11          14781 damaged: these elements cannot be an orbit"},
        {with({"passes", "--keps", keps, "--start", "2001-09-23", "--days", "1"}, 6), 0, "\\x1B[2J\\x07AO-10,"},
        {with({"look", "--keps", keps, "--sat", "\x1b[2J\aAO-10"}, 8), 0, "satellite   \\x1B[2J\\x07AO-10\n"},
        {with({"look", "--keps", keps, "--sat", "UO-11"}, 8), 2, ""},
        {{"import", "--keps", keps, kData + "/tle_amateur_2001-09.txt"}, 2, ""},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.code, c.code) << c.args[0] << r.err;
        EXPECT_NE(r.err.find("slot 2 holds elements that cannot be an orbit"), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find_first_of("\x1b\a"), std::string::npos) << c.args[0];
        EXPECT_EQ(r.out.find("UO-11,"), std::string::npos) << c.args[0];
        EXPECT_NE(r.out.find(c.shown), std::string::npos) << c.args[0] << r.out;
    }
    // Asked to, the import sets the damaged file aside.
    EXPECT_EQ(Cli({"import", "--keps", keps, "--repair", kData + "/tle_amateur_2001-09.txt"}).code, 0);
    ASSERT_TRUE(ReadWholeFile(keps + ".damaged", after));
    EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace tarvon::cli
