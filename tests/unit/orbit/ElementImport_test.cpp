#include "orbit/ElementImport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

#include "core/FileReplace.h"
#include "orbit/ElementLineReader.h"
#include "ScratchDir.h"
#include "orbit_helpers.h"

namespace tarvon {
namespace {

using namespace testing;

TEST(ElementLineReader, LineEndsLengthsAndTheLastLine) {
    struct Case { std::string text; std::vector<std::string> lines; };
    const Case cases[] = {
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a"}},  // no line feed after the last line
        {"", {}},
        {"\n\n", {"", ""}},
        {std::string(150, 'x') + "\nnext\n", {std::string(99, 'x'), "next"}},
        {std::string("ab\0cd\nz\n", 8), {"ab", "z"}},
        {"a\rb\n", {"ab"}},
    };
    for (const auto& c : cases) {
        const auto bytes = Bytes(c.text);
        ElementLineReader reader(bytes);
        std::vector<std::string> lines;
        std::string line;
        while (reader.Next(line)) lines.push_back(line);
        EXPECT_EQ(lines, c.lines) << c.text.substr(0, 20);
    }
}

// Every field of a real set, then the update rule: only a newer epoch
// replaces the elements, and the station's own fields survive it.
TEST(TwoLineImport, FieldsOfARealSetAndTheUpdateRule) {
    KepsDatabase db;
    ImportReport report;
    std::string older1 = kIss1;
    older1.replace(20, 3, "120");
    ASSERT_TRUE(ImportTwoLineFile(Bytes(Set(kIssName, older1, kIss2)), db, report));
    db.slots[0].beaconMhz = 145.8;
    std::strcpy(db.slots[0].modeSchedule, "V 0-255");
    const auto newer = Bytes(Set("ZARYA", kIss1, kIss2));
    ImportTwoLineFile(newer, db, report);
    ImportTwoLineFile(newer, db, report);
    ImportTwoLineFile(Bytes(Set("ISS", older1, kIss2)), db, report);
    EXPECT_EQ(report, (ImportReport{"ISS (ZARYA): Added to database", "ZARYA: Keps Updated",
                                    "ZARYA: Old Keps - Not Updated", "ISS: Old Keps - Not Updated"}));
    const KepsRecord& r = db.slots[0];
    EXPECT_STREQ(r.name, "ISS (ZARYA)");
    EXPECT_EQ(std::tuple(r.catalogNumber, r.epochYear, r.elementSet, r.epochOrbit, r.blon, r.beaconMhz),
              std::tuple(25544, 26, 999, 56620, kAttitudeNotSet, 145.8));
    EXPECT_STREQ(r.modeSchedule, "V 0-255");
    const std::pair<double, double> reals[] = {{r.epochDay, 130.51782528}, {r.decay, 0.00010416},
                                               {r.inclination, 51.6330},   {r.raan, 165.3720},
                                               {r.eccentricity, 0.0006830}, {r.argPerigee, 119.5893},
                                               {r.meanAnomaly, 240.5841},  {r.meanMotion, 15.49330214}};
    for (const auto& [read, expected] : reals) EXPECT_DOUBLE_EQ(read, expected);
}

TEST(TwoLineImport, RealBulletinFillsTheDatabaseAndReportsTheRest) {
    KepsDatabase db;
    ImportReport report;
    ASSERT_TRUE(ImportTwoLineFile(testing::TestFile("tle_bbs_bulletin_2026-05.txt"), db, report));
    // Two copies of 99 sets: the second copy is older or the same.
    ASSERT_EQ(report.size(), 198u);
    int added = 0, full = 0, old = 0;
    for (const auto& line : report) {
        added += line.ends_with(": Added to database");
        full += line.ends_with(": Database Full - Not Added");
        old += line.ends_with(": Old Keps - Not Updated");
    }
    EXPECT_EQ(std::tuple(added, full + old + added), std::tuple(50, 198));
    EXPECT_GE(full, 49);
    // No real set is taken for one that cannot be an orbit.
    for (const auto& slot : db.slots) EXPECT_TRUE(IsUsableSlot(slot)) << slot.name;
}

TEST(VerboseImport, GivesTheSameOrbitsAsTheTwoLineFile) {
    const KepsDatabase twoLine = testing::ImportedTwoLine("tle_amateur_2001-09.txt");
    KepsDatabase verbose;
    ImportReport report;
    ASSERT_TRUE(ImportVerboseFile(testing::TestFile("verbose_amateur_2001-09.txt"), verbose, report));
    EXPECT_EQ(report.size(), 34u);
    for (int i = 0; i < kKepsSlots; ++i) {
        const KepsRecord& a = twoLine.slots[i];
        const KepsRecord& b = verbose.slots[i];
        SCOPED_TRACE(a.name);
        EXPECT_EQ(std::tuple(a.catalogNumber, a.epochYear, a.inclination, a.raan, a.meanMotion, a.epochOrbit),
                  std::tuple(b.catalogNumber, b.epochYear, b.inclination, b.raan, b.meanMotion, b.epochOrbit));
        EXPECT_NEAR(a.epochDay, b.epochDay, 1e-9);
        EXPECT_NEAR(a.eccentricity, b.eccentricity, 1e-12);
    }
}

TEST(VerboseImport, LayoutsOfARealFile) {
    KepsDatabase db;
    ImportReport report;
    ASSERT_TRUE(ImportVerboseFile(testing::TestFile("verbose_n3emo_kepler.dat"), db, report));
    ASSERT_EQ(report.size(), 14u);
    ASSERT_EQ(FindKepsByCatalog(db, 7530), 0);
    const KepsRecord& ao7 = db.slots[0];
    EXPECT_STREQ(ao7.name, "AO-7");
    EXPECT_EQ(std::tuple(ao7.epochYear, ao7.epochOrbit, ao7.elementSet), std::tuple(60, 3411, 9));
    EXPECT_NEAR(ao7.epochDay, 13.586478, 1e-9);
    EXPECT_DOUBLE_EQ(ao7.decay, -2.6e-7);
    // The pseudo-satellite carries catalogue number 0 and an extra line.
    EXPECT_EQ(report.back(), "The_Sun: No Catalog Number - Not Imported");
    EXPECT_EQ(FindKepsByName(db, "The_Sun"), -1);
}

// Names, revolution numbers and line ends as element files give them; broken
// sets are skipped up to the next set that holds together; sets that cannot
// be an orbit and nameless blocks are not imported.
TEST(ElementImport, SetsAreReadOrSkippedAndReported) {
    const std::string ao7 = "AO-7\n1 07530U 74089B   26130.10000000 -.00000029  00000+0 -12345-4 0  9990\n"
                            "2 07530 101.9966  25.1886 0012390  66.8418  48.3890 12.53695000341140\n";
    const ImportReport none = {"No Satellites Found!"};
    auto added = [](const char* name) { return ImportReport{std::string(name) + ": Added to database"}; };
    auto cols = [](std::string line, size_t first, const std::string& text) {
        return line.replace(first - 1, text.size(), text);
    };
    const std::string block = "Catalog number: 5\nEpoch time: 26100.5\nMean motion: 14.2\n";
    struct Case {
        bool twoLine;
        std::string text;
        ImportReport report;
        std::optional<int32_t> orbit = std::nullopt;  // the revolution number stored, if a set was
    };
    const Case cases[] = {
        {true, Set(kIssName, kIss1, kIss2, "\r\n"), added("ISS (ZARYA)"), 56620},
        {true, Set("A-VERY-LONG-SATELLITE-NAME-OF-FORTY-CHAR", kIss1, kIss2), added("A-VERY-LONG-"), 56620},
        {true, Set("LILIUM-4    \t ", kIss1, cols(kIss2, 64, "70000")), added("LILIUM-4"), 70000},
        {true, "\n\nR:260511/0553z\n" + Set("ISS", kIss1, kIss2), added("ISS"), 56620},  // junk before the set
        // No international designator, no revolution number.
        {true, Set("IO-86", "1 40931U          25360.30710720  .00000000  00000-0  12800-3 0    00",
                   "2 40931   6.0006 332.5373 0012733 338.8432   8.1437 14.79075515    01", "\r\n"),
         added("IO-86"), 0},
        {true, "JUNK\n" + ao7, added("AO-7"), 34114},  // a name line followed by another name line
        {true, "ISS\n" + kIss1 + "\nGARBAGE\n" + ao7, added("AO-7"), 34114},  // line 2 missing
        {true, Set("ZERO", "1 00000U" + kIss1.substr(8), kIss2) + ao7, added("AO-7"), 34114},
        {true, Set("BAD", "1 ABCDEU" + kIss1.substr(8), kIss2), none},
        // Line 2 cut short by the end of the file (a name and line 1 alone
        // are e2e.keps_update_edit's).
        {true, ao7.substr(0, ao7.size() - 1), none},
        {true, Set("STILL", kIss1, cols(kIss2, 53, " 0.00000000")), {"STILL: Invalid Elements - Not Imported"}},
        {true, Set("NOEPOCH", cols(kIss1, 21, "         nan"), kIss2), {"NOEPOCH: Invalid Elements - Not Imported"}},
        {false, "Satellite: NANEPOCH\n" + block + "Epoch time: nan\n", {"NANEPOCH: Invalid Elements - Not Imported"}},
        {false, "Satellite: OPEN\n" + block + "Eccentricity: 1.5\n", {"OPEN: Invalid Elements - Not Imported"}},
        // Values straight after their labels' colons; a block straight after the last.
        {false, "Satellite: ONE\nCatalog number:5\nEpoch time:26100.5\nMean motion:14.2\nSatellite: ONE\n" + block,
         {"ONE: Added to database", "ONE: Old Keps - Not Updated"}, 0},
        {false, "Satellite: \n" + block + "Satellite:   \n" + block, none},
        {false, "Catalog number: 5\nnothing here\n", none},
    };
    for (const auto& c : cases) {
        KepsDatabase db;
        ImportReport report;
        if (!(c.twoLine ? ImportTwoLineFile : ImportVerboseFile)(Bytes(c.text), db, report)) {
            report.push_back("No Satellites Found!");
        }
        EXPECT_EQ(report, c.report) << c.text;
        EXPECT_EQ(IsFreeSlot(db.slots[0]) ? std::nullopt : std::optional(db.slots[0].epochOrbit), c.orbit) << c.text;
        EXPECT_TRUE(IsFreeSlot(db.slots[1])) << c.text;
    }
}

// Binary, empty and real files through the whole update are the Database
// menu's scenario (e2e.keps_update_edit); a file gone since it was picked is not.
TEST(ElementFileImport, AMissingFileIsToldAndWritesNothing) {
    const testing::ScratchDir dir;
    KepsDatabase db;
    ImportReport report;
    EXPECT_EQ(ImportElementFile(dir / "missing.txt", ElementFormat::TwoLine, db, dir / "Kova.KEP", report).outcome,
              ImportOutcome::ElementFileUnreadable);
    EXPECT_FALSE(std::filesystem::exists(dir / "Kova.KEP"));
}

TEST(ElementFileImport, ADamagedDatabaseIsReplacedOnlyWhenAskedAndKeptAside) {
    namespace fs = std::filesystem;
    const testing::ScratchDir dir;
    const fs::path keps = dir / "Kova.KEP";
    const std::string elements = std::string(TARVON_TEST_DATA) + "/tle_amateur_2001-09.txt";
    KepsDatabase db = testing::ImportedTwoLine("tle_amateur_2001-09.txt");
    db.slots[0].beaconMhz = 145.8;
    db.slots[1].meanMotion = 0.0;
    ASSERT_TRUE(SaveKepsDatabase(db, keps));
    std::vector<uint8_t> damaged, after;
    ASSERT_TRUE(ReadWholeFile(keps, damaged));
    damaged.push_back(0x5A);
    ASSERT_TRUE(ReplaceFileContents(keps, damaged));
    ImportReport report;
    const ImportResult refused = ImportElementFile(elements, ElementFormat::TwoLine, db, keps, report);
    EXPECT_EQ(refused.outcome, ImportOutcome::DatabaseDamaged);
    EXPECT_EQ(DescribeKepsDamage(refused.database),
              "it is 8301 bytes long instead of 8300; slot 2 holds elements that cannot be an orbit");
    EXPECT_TRUE(report.empty());
    ASSERT_TRUE(ReadWholeFile(keps, after));
    EXPECT_EQ(after, damaged);
    EXPECT_EQ(ImportElementFile(elements, ElementFormat::TwoLine, db, keps, report, DamagedDatabase::SetAside).outcome,
              ImportOutcome::Imported);
    ASSERT_TRUE(ReadWholeFile(DamagedKepsPath(keps), after));
    EXPECT_EQ(after, damaged);
    EXPECT_FALSE(LoadKepsDatabase(db, keps).Damaged());
    EXPECT_EQ(db.slots[0].beaconMhz, 145.8);  // sound slots keep the station's own fields
    EXPECT_EQ(report.at(1), "UO-11: Added to database");  // into its slot, freed of the damaged set
    EXPECT_EQ(FindKepsByCatalog(db, 14781), 1);
}

}  // namespace
}  // namespace tarvon
