#include "schedule/ScheduleFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "ScratchDir.h"
#include "Schedule_helpers.h"
#include "core/FileReplace.h"

namespace tarvon::testing {
namespace {

namespace fs = std::filesystem;

class ScheduleFileTest : public ::testing::Test {
protected:
    void Write(const std::vector<uint8_t>& bytes) { ASSERT_TRUE(ReplaceFileContents(path_, bytes)); }

    ScratchDir dir_;
    fs::path path_ = dir_ / kScheduleFileName;
};

std::vector<uint8_t> FileOf(const std::vector<SchedulePass>& passes, uint16_t word = kScheduleFormatWord) {
    std::vector<uint8_t> bytes{uint8_t(word), uint8_t(word >> 8)};
    for (const SchedulePass& p : passes) EncodeSchedulePass(p, bytes);
    return bytes;
}

// Every field reads back from where it was written.
TEST(SchedulePassRecord, FieldsSitAtTheirOffsetsLittleEndian) {
    SchedulePass p = *NewPass("AO-51", 0x01020304, 0x0A0B0C0D);
    p.maxElevation = -2;
    p.lastRunEnd = 0x11223344;
    p.notifyWindow = 0xDEADBEEF;  // a window handle means nothing after a restart
    p.listenOnly = p.runRegardlessOfElevation = p.ignorePassChecking = 1;
    std::vector<uint8_t> bytes, again;
    EncodeSchedulePass(p, bytes);
    ASSERT_EQ(bytes.size(), 100u);
    const std::pair<size_t, std::vector<uint8_t>> fields[] = {{0, {'A', 'O', '-', '5', '1', 0}},
                                                            {12, {4, 3, 2, 1, 0x0D, 0x0C, 0x0B, 0x0A}},
                                                            {44, {0xFE, 0xFF, 0xFF, 0xFF}},
                                                            {88, {0, 0, 0, 0, 0x44, 0x33, 0x22, 0x11}}};
    for (const auto& [at, field] : fields) {
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + at, bytes.begin() + at + field.size()), field) << at;
    }
    EncodeSchedulePass(DecodeSchedulePass(bytes.data(), bytes.size()), again);
    EXPECT_EQ(again, bytes);
    // A name without its terminator stops at eleven characters.
    std::vector<uint8_t> unterminated(100, 'X');
    EXPECT_EQ(DecodeSchedulePass(unterminated.data(), unterminated.size()).satName, std::string(11, 'X'));
}

TEST(ScheduleFileImage, FormatWordAndTruncation) {
    const std::vector<SchedulePass> two = {*NewPass("A", 10, 20), *NewPass("B", 0x0102, 0x0304)};
    struct Case {
        std::vector<uint8_t> bytes;
        size_t records;
    };
    std::vector<uint8_t> truncated = FileOf(two);
    truncated.resize(2 + 100 + 13);  // the second record ends inside its aos field
    const Case cases[] = {
        {{}, 0}, {{0xD7}, 0}, {FileOf({}), 0}, {FileOf(two, 2006), 0}, {FileOf(two), 2}, {truncated, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeScheduleFile(c.bytes).size(), c.records) << c.bytes.size();
    auto decoded = DecodeScheduleFile(truncated);
    // The missing bytes count as zero.
    EXPECT_EQ(std::tuple(decoded[1].satName, decoded[1].aos, decoded[1].los), std::tuple("B", 0x02, 0));
}

TEST_F(ScheduleFileTest, LoadKeepsPassesWhoseLosIsTwentySecondsAhead) {
    TestStation station(100000);
    Write(FileOf({*NewPass("A", 99000, 100019), *NewPass("B", 99500, 100020), *NewPass("C", 101000, 101600)}));
    LoadScheduleFile(station.state, path_);
    ASSERT_EQ(station.state.passes.size(), 2u);
    EXPECT_EQ(station.state.passes.front()->satName, "B");
}

TEST_F(ScheduleFileTest, LoadMovesTheSatelliteSearchBeyondItsStoredPass) {
    TestStation station(100000);
    station.source.passes["A"] = {};
    auto satellite = std::make_shared<ScheduledSatellite>();
    satellite->name = "A";
    satellite->search = station.source.NewSearch("A");
    station.state.satellites.push_front(satellite);
    Write(FileOf({*NewPass("A", 101000, 101600), *NewPass("a", 102000, 102600)}));
    LoadScheduleFile(station.state, path_);
    EXPECT_EQ(satellite->search->SearchTime(), 101600 + 300);
}

TEST_F(ScheduleFileTest, GarbageLoadsAsAScheduleInOrderWithoutEndedPasses) {
    TestStation station(100000);
    std::vector<uint8_t> bytes = FileOf({});
    for (int i = 0; i < 1000; ++i) bytes.push_back(uint8_t(i * 37 + 11));
    Write(bytes);
    LoadScheduleFile(station.state, path_);
    station.world.RunUntil(100100);
    ASSERT_FALSE(station.state.passes.empty());
    int32_t previous = INT32_MIN;
    for (const PassRef& p : station.state.passes) {
        EXPECT_GE(p->aos, previous);
        EXPECT_GE(p->los, 100000 + 20 - 300);  // loaded only when not ended; gone 300 s after LOS
        previous = p->aos;
    }
}

TEST_F(ScheduleFileTest, SaveLeavesOutManualPassesAndEmptiesTheSchedule) {
    TestStation station(1000);
    station.AddPass("MANUAL", 1000, 1900, 0);
    station.AddPass("DISPLAY", 2000, 2600, 0)->state = 1;
    station.AddPass("RUN", 3000, 3600, 40);
    ASSERT_TRUE(SaveScheduleFile(station.state, path_));
    EXPECT_TRUE(station.state.passes.empty());

    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(path_, bytes));
    auto stored = DecodeScheduleFile(bytes);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].satName + " " + stored[1].satName, "DISPLAY RUN");
}

TEST_F(ScheduleFileTest, FailedSaveKeepsTheOldFileAndTheSchedule) {
    TestStation station(1000);
    const std::vector<uint8_t> old = FileOf({*NewPass("OLD", 5000, 5600)});
    Write(old);
    // The temporary file cannot be made: a directory stands in its place.
    fs::create_directory(fs::path(path_.string() + ".new"));
    station.AddPass("NEW", 3000, 3600, 40);
    EXPECT_FALSE(SaveScheduleFile(station.state, path_));
    EXPECT_EQ(station.state.passes.size(), 1u);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(path_, bytes));
    EXPECT_EQ(bytes, old);
}

}  // namespace
}  // namespace tarvon::testing
