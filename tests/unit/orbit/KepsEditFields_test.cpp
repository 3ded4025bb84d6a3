#include "orbit/KepsEditFields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "orbit/KepsImportSettings.h"
#include "orbit_helpers.h"
#include "platform/memory/MemoryRegistry.h"

namespace tarvon {
namespace {

KepsRecord Iss() { return testing::ImportedIss(); }

TEST(KepsEditFields, ShownInTheDialogsFormats) {
    KepsRecord r = Iss();
    r.blon = -10;
    r.blat = 25;
    const KepsEditFields f = FormatKepsFields(r), unset = FormatKepsFields(Iss());
    EXPECT_EQ(std::tie(f.name, f.catalogNumber, f.epoch, f.meanMotion, f.decay),
              std::tuple("ISS (ZARYA)", "25544", "26 130.51782528", "15.493302", "0.000104"));
    EXPECT_EQ(std::tie(f.orbitNumber, f.blon, f.blat, f.beaconMhz, f.modeSchedule, unset.blon, unset.blat),
              std::tuple("56620", "-10", "25", " 145.825000", "V 0-255", "", ""));
}

// The record stored is the one shown with the edit made, to the last bit:
// untouched fields keep their full precision.
TEST(KepsEditFields, EditedFieldsAreStored) {
    struct Case {
        void (*edit)(KepsEditFields&);
        void (*expected)(KepsRecord&);
    };
    const Case cases[] = {
        {[](KepsEditFields&) {}, [](KepsRecord&) {}},
        {[](KepsEditFields& f) { f.epoch = "97 123.5"; }, [](KepsRecord& r) { r.epochYear = 97; r.epochDay = 123.5; }},
        // A four-digit year: the day is the number after it.
        {[](KepsEditFields& f) { f.epoch = "2026 130.5"; },
         [](KepsRecord& r) { r.epochYear = 2026; r.epochDay = 130.5; }},
        {[](KepsEditFields& f) { f.epoch = "5"; }, [](KepsRecord& r) { r.epochYear = 5; r.epochDay = 0.0; }},
        {[](KepsEditFields& f) { f.meanMotion = "14.2"; }, [](KepsRecord& r) { r.meanMotion = 14.2; }},
        // One of the two emptied clears both.
        {[](KepsEditFields& f) { f.blon = "12"; f.blat = ""; }, [](KepsRecord&) {}},
        {[](KepsEditFields& f) { f.name = "A-NAME-LONGER-THAN-TWELVE"; f.modeSchedule = std::string(80, 'x'); },
         [](KepsRecord& r) { CopyKepsName(r, "A-NAME-LONGE"); std::memset(r.modeSchedule, 'x', 64); }},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        KepsEditFields f = FormatKepsFields(Iss());
        cases[i].edit(f);
        KepsRecord expected = Iss();
        cases[i].expected(expected);
        uint8_t stored[kKepsRecordBytes], wanted[kKepsRecordBytes];
        EncodeKepsRecord(ApplyKepsFields(Iss(), f), stored);
        EncodeKepsRecord(expected, wanted);
        EXPECT_EQ(std::memcmp(stored, wanted, sizeof stored), 0) << "case " << i;
    }
}

// Every field given text that is no number, is negative, far too large, too
// long or empty is the Database menu's scenario (e2e.keps_update_edit); here,
// the edges of the ranges, the forms of the numbers, and elements that cannot
// be an orbit together.
TEST(KepsEditFields, EveryFieldIsCheckedBeforeAnythingIsStored) {
    using F = KepsField;
    struct Case {
        void (*edit)(KepsEditFields&);
        std::optional<F> problem;
    };
    const Case cases[] = {
        {[](KepsEditFields&) {}, std::nullopt},
        {[](KepsEditFields& f) { f.epoch = "97 123.5"; f.blon = "-180"; f.blat = "90"; }, std::nullopt},
        {[](KepsEditFields& f) { f.blon = ""; f.blat = "45"; }, std::nullopt},  // clears both, as it always did
        {[](KepsEditFields& f) { f.epoch = "26"; }, F::Epoch},
        {[](KepsEditFields& f) { f.epoch = "26 400"; }, F::Epoch},
        {[](KepsEditFields& f) { f.epoch = "1500 12.5"; }, F::Epoch},
        {[](KepsEditFields& f) { f.eccentricity = "1.0"; }, F::Eccentricity},
        {[](KepsEditFields& f) { f.raan = "12,5"; }, F::Raan},
        // Each number in its range, yet the perigee would lie underground.
        {[](KepsEditFields& f) { f.eccentricity = "0.5"; }, F::MeanMotion},
    };
    for (const auto& c : cases) {
        KepsEditFields f = FormatKepsFields(Iss());
        c.edit(f);
        const auto problem = CheckKepsFields(Iss(), f);
        ASSERT_EQ(problem.has_value(), c.problem.has_value()) << (problem ? problem->message : "");
        if (problem) {
            EXPECT_EQ(problem->field, static_cast<int>(*c.problem)) << problem->message;
            EXPECT_FALSE(problem->message.empty());
        }
    }
    // A cleared slot's fields are a free slot.
    EXPECT_FALSE(CheckKepsFields(Iss(), FormatKepsFields(KepsRecord{})));
}

TEST(KepsImportSettings, TheVerboseChoiceAndTheFolderOfAPickedFileAreKept) {
    MemoryRegistry registry;
    SaveKepsImportSettings(registry, "D:\\Keps\\2026\\amsat.txt", 2);
    const KepsImportSettings s = LoadKepsImportSettings(registry, "C:\\Kova");
    EXPECT_EQ(std::tuple(s.kepsType, s.kepsDir, s.Format()), std::tuple(2u, "D:\\Keps\\2026\\", ElementFormat::Verbose));
    const std::pair<const char*, const char*> folders[] = {
        {"C:amsat.txt", "C:"}, {"amsat.txt", ""}, {"/home/keps/a.txt", "/home/keps/"}};
    for (const auto& [path, folder] : folders) EXPECT_EQ(DriveAndFolderOf(path), folder) << path;
}

}  // namespace
}  // namespace tarvon
