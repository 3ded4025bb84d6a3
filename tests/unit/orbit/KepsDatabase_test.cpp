#include "orbit/KepsDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <optional>
#include <tuple>
#include <vector>

#include "core/FileReplace.h"
#include "orbit/Propagation.h"
#include "orbit/SatStateLists.h"
#include "ScratchDir.h"
#include "orbit_helpers.h"

namespace tarvon {
namespace {
namespace fs = std::filesystem;

KepsRecord Named(const char* name, uint16_t catalog) { return testing::LowOrbit(name, catalog); }

class KepsFileTest : public ::testing::Test {
protected:
    void Write(const std::vector<uint8_t>& bytes) { ASSERT_TRUE(ReplaceFileContents(file, bytes)); }
    testing::ScratchDir dir;
    fs::path file = KepsFilePath(dir.Path().string());
};

TEST(KepsRecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
    KepsRecord r{.catalogNumber = 0x1D6A, .elementSet = 0x01020304, .epochOrbit = -2, .epochDay = 1.5,
                 .meanMotion = 12.5, .epochYear = 26, .blon = -3, .modeSchedule = "B 0-255"};
    CopyKepsName(r, "AO-7");
    uint8_t b[kKepsRecordBytes];
    EncodeKepsRecord(r, b);
    const struct { size_t at, size; uint64_t value; } fields[] = {
        {13, 2, 0x1D6A}, {15, 4, 0x01020304}, {19, 4, 0xFFFFFFFE}, {23, 8, std::bit_cast<uint64_t>(1.5)},
        {79, 8, std::bit_cast<uint64_t>(12.5)}, {95, 2, 26}, {97, 2, 0xFFFD}, {99, 2, 9999}};
    for (const auto& f : fields) {
        uint64_t value = 0;
        for (size_t i = 0; i < f.size; ++i) value |= uint64_t(b[f.at + i]) << (8 * i);
        EXPECT_EQ(value, f.value) << f.at;
    }
    EXPECT_EQ(std::memcmp(b, "AO-7\0", 5), 0);
    EXPECT_EQ(std::memcmp(b + 101, "B 0-255\0", 8), 0);
}

TEST(KepsRecordName, CutAtTheFieldEndNeverSplitsACharacter) {
    const struct { const char* given; const char* kept; } cases[] = {
        {"SÄTËLLÏTË-1", "SÄTËLLÏT"},         // 11 characters in 16 bytes: the cut falls inside "Ë"
        {"ÅÅÅÅÅÅX", "ÅÅÅÅÅÅ"},               // two-byte characters ending on the field's end
    };
    for (const auto& c : cases) {
        KepsRecord r{};
        CopyKepsName(r, c.given);
        EXPECT_EQ(std::string(r.name, strnlen(r.name, kKepsNameChars)), c.kept) << c.given;
    }
}

TEST(KepsRecordElements, OnlySetsThatCanBeAnOrbitPass) {
    struct Case { const char* what; void (*change)(KepsRecord&); bool orbit; };
    const Case cases[] = {
        {"low orbit", [](KepsRecord&) {}, true},
        {"ellipse", [](KepsRecord& r) { r.meanMotion = 2.06; r.eccentricity = 0.6; }, true},
        {"too slow for the Earth to hold", [](KepsRecord& r) { r.meanMotion = 0.005; }, false},
        {"below the ground", [](KepsRecord& r) { r.meanMotion = 17.5; }, false},
        {"perigee below the ground", [](KepsRecord& r) { r.meanMotion = 2.06; r.eccentricity = 0.9; }, false},
        {"eccentricity 1", [](KepsRecord& r) { r.eccentricity = 1.0; }, false},
        {"inclination 181", [](KepsRecord& r) { r.inclination = 181.0; }, false},
        {"epoch day 0", [](KepsRecord& r) { r.epochDay = 0.0; }, false},
        {"epoch year 150", [](KepsRecord& r) { r.epochYear = 150; }, false},
        {"full year, last day", [](KepsRecord& r) { r.epochYear = 2024; r.epochDay = 366.99; }, true},
        {"decay of a revolution", [](KepsRecord& r) { r.decay = -1.0; }, false},
        {"epoch day NaN", [](KepsRecord& r) { r.epochDay = std::nan(""); }, false},
    };
    for (const auto& c : cases) {
        KepsRecord r = Named("SAT", 1);
        c.change(r);
        EXPECT_EQ(ElementsCanBeAnOrbit(r), c.orbit) << c.what;
    }
}

TEST_F(KepsFileTest, FileRoundTripsUnchanged) {
    std::vector<uint8_t> bytes(kKepsFileBytes);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    // Texts terminated where the layout wants them, other bytes arbitrary.
    for (int slot = 0; slot < kKepsSlots; ++slot) {
        bytes[slot * kKepsRecordBytes + 12] = 0;
        bytes[slot * kKepsRecordBytes + 165] = 0;
    }
    Write(bytes);
    KepsDatabase db;
    LoadKepsDatabase(db, file);
    ASSERT_TRUE(SaveKepsDatabase(db, file));
    std::vector<uint8_t> back;
    ASSERT_TRUE(ReadWholeFile(file, back));
    EXPECT_EQ(back, bytes);
}

TEST_F(KepsFileTest, ShortLongAndMissingFiles) {
    KepsDatabase full;
    for (int i = 0; i < kKepsSlots; ++i) AddKepsRecord(full, Named(("SAT" + std::to_string(i)).c_str(), i + 1));
    ASSERT_TRUE(SaveKepsDatabase(full, file));
    std::vector<uint8_t> bytes;
    ReadWholeFile(file, bytes);
    struct Case { std::optional<size_t> size; int filled; };  // no size: no file
    const Case cases[] = {{0, 0}, {165, 0}, {166, 1}, {3 * 166 + 100, 3}, {8300, 50}, {9000, 50}, {std::nullopt, 0}};
    for (const auto& c : cases) {
        std::vector<uint8_t> part(bytes.begin(), bytes.begin() + std::min(c.size.value_or(0), bytes.size()));
        part.resize(c.size.value_or(0), 0xAB);
        if (c.size) {
            Write(part);
        } else {
            fs::remove(file);
        }
        KepsDatabase db;
        AddKepsRecord(db, Named("STALE", 999));
        LoadKepsDatabase(db, file);
        int filled = 0;
        for (const auto& slot : db.slots) filled += !IsFreeSlot(slot);
        EXPECT_EQ(filled, c.filled) << c.size.value_or(-1);
        if (c.filled < kKepsSlots) {
            EXPECT_EQ(db.slots[c.filled].blon, kAttitudeNotSet) << c.size.value_or(-1);
        }
        // Saving always writes the whole table, whatever was there before.
        ASSERT_TRUE(SaveKepsDatabase(db, file));
        EXPECT_EQ(fs::file_size(file), kKepsFileBytes);
    }
    EXPECT_FALSE(SaveKepsDatabase(full, dir / "no such dir" / "Kova.KEP"));
}

TEST_F(KepsFileTest, DamagedSlotsAreDescribedAndNeverFound) {
    KepsDatabase db;
    for (uint16_t i = 0; i < 4; ++i) AddKepsRecord(db, Named(("SAT" + std::to_string(i)).c_str(), i + 1));
    db.slots[1].meanMotion = std::nan("");
    db.slots[2].eccentricity = 1.5;
    ASSERT_TRUE(SaveKepsDatabase(db, file));
    EXPECT_EQ(DescribeKepsDamage(LoadKepsDatabase(db, file)), "slots 2-3 hold elements that cannot be an orbit");
    EXPECT_EQ(std::tuple(FindKepsByName(db, "SAT1"), FindKepsByCatalog(db, 3), FindKepsByName(db, "SAT3")),
              std::tuple(-1, -1, 3));
    // Noise, or a text file of the right size: every slot in use is damaged.
    std::vector<uint8_t> noise(100000), text = testing::TestFile("tle_amateur_2001-09.txt");
    uint32_t seed = 12345;
    for (auto& b : noise) b = static_cast<uint8_t>((seed = seed * 1103515245 + 12345) >> 16);
    text.resize(kKepsFileBytes, ' ');
    for (const auto& bytes : {noise, text}) {
        Write(bytes);
        const KepsFileCheck check = LoadKepsDatabase(db, file);
        const auto used = std::count_if(db.slots.begin(), db.slots.end(), [](auto& r) { return !IsFreeSlot(r); });
        EXPECT_EQ(check.damagedSlots.size(), size_t(used));
        EXPECT_GT(check.damagedSlots.size(), 40u);
    }
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_EQ(DescribeKepsDamage(LoadKepsDatabase(db, file)), "it cannot be read");
}

TEST(KepsDatabaseLookup, NamesIgnoreCaseAndCatalogueZeroNeverMatches) {
    KepsDatabase db;
    AddKepsRecord(db, Named("AO-07", 7530));
    AddKepsRecord(db, Named("Iss", 25544));
    EXPECT_EQ(std::tuple(FindKepsByName(db, "ISS"), FindKepsByName(db, "ao-07"), FindKepsByName(db, "ISS2"),
                         FindKepsByName(db, "")),
              std::tuple(1, 0, -1, -1));
    EXPECT_EQ(std::tuple(FindKepsByCatalog(db, 25544), FindKepsByCatalog(db, 0), FindKepsByCatalog(db, 25544 + 65536)),
              std::tuple(1, -1, -1));
}

TEST(KepsDatabaseLookup, NewerEpochComparesYearsAcrossTheCentury) {
    struct Case { int16_t storedYear; double storedDay; int16_t year; double day; bool newer; };
    const Case cases[] = {{99, 300.0, 0, 1.0, true},    {0, 1.0, 99, 300.0, false}, {26, 100.5, 26, 100.5, false},
                          {26, 100.5, 26, 100.6, true}, {26, 100.5, 26, 100.4, false}, {49, 1.0, 50, 1.0, false},
                          {2001, 5.0, 2, 1.0, true},   {1, 365.0, 2001, 364.0, false}};
    auto at = [](int16_t year, double day) { return KepsRecord{.epochDay = day, .epochYear = year}; };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNewerEpoch(at(c.storedYear, c.storedDay), at(c.year, c.day)), c.newer)
            << c.storedYear << "/" << c.storedDay << " vs " << c.year << "/" << c.day;
    }
}

TEST(KepsDatabaseLookup, FreedSlotIsReusedAndAFullTableStoresNothing) {
    KepsDatabase db;
    for (int i = 0; i < kKepsSlots; ++i) EXPECT_EQ(AddKepsRecord(db, Named("S", i + 1)), i);
    EXPECT_EQ(AddKepsRecord(db, Named("EXTRA", 100)), -1);
    ClearKepsRecord(db.slots[3]);
    EXPECT_EQ(db.slots[3].blat, kAttitudeNotSet);
    EXPECT_EQ(AddKepsRecord(db, Named("NEW", 200)), 3);
    ClearKepsDatabase(db);
    for (const auto& slot : db.slots) EXPECT_TRUE(IsFreeSlot(slot));
}

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

TEST_F(KepsFileTest, RefreshGivesRegisteredSatStatesTheirNewElements) {
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
