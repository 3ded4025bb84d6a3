#include "maint/DirectoryHoles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchDir.h"
#include "core/FileReplace.h"

namespace tarvon {
namespace {

namespace fs = std::filesystem;
using Holes = std::vector<DirectoryHole>;
constexpr int32_t kNow = 1778500000;
constexpr int32_t kDay = 86400;
constexpr int32_t kOpen = kOpenEndedHole;

TEST(DirectoryHoles, Edits) {
    const Holes old{{kNow - 60 * kDay, kNow - 40 * kDay},
                    {kNow - 35 * kDay, kNow - 20 * kDay},
                    {kNow - 10 * kDay, kNow - 2 * kDay},
                    {kNow - 1 * kDay, kOpen}};
    struct Case {
        const char* what;
        Holes holes;
        HoleEdit edit;
        Holes result;
    } cases[] = {
        {"neither box: past holes go, running ones start now", old, {}, {{kNow, kOpen}}},
        {"neither box: a future hole keeps its start", {{kNow + 50, kNow + 90}}, {}, {{kNow + 50, kNow + 90}}},
        {"reset date 30 days", old, {false, true, 30},
         {{kNow - 30 * kDay, kNow - 20 * kDay}, {kNow - 10 * kDay, kNow - 2 * kDay}, {kNow - kDay, kOpen}}},
        {"remove holes keeps the last hole's start", old, {true, false, 0}, {{kNow - kDay, kOpen}}},
        {"remove holes of an empty list asks from now on", {}, {true, false, 0}, {{kNow, kOpen}}},
        {"an empty list stays empty", {}, {}, {}},
        {"a hole ending exactly at the cutoff goes", {{kNow - 9, kNow}}, {}, {}},
        {"9999 days", old, {false, true, 9999}, old},
    };
    for (const Case& c : cases) EXPECT_EQ(EditHoles(c.holes, c.edit, kNow), c.result) << c.what;
}

TEST(DirectoryHoles, DecodeDamagedLists) {
    const std::vector<uint8_t> two{2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F};
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        Holes holes;
    } cases[] = {
        {"two holes", two, {{1, 2}, {3, kOpen}}},
        {"count beyond the records present", {0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 2, 0, 0, 0, 9}, {{1, 2}}},
        {"count below the records present", {1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0},
         {{1, 2}}},
        {"shorter than a count", {5, 0}, {}},
        {"negative times", {1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}, {{-2, INT32_MIN}}},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeHoleList(c.bytes), c.holes) << c.what;
    EXPECT_EQ(EncodeHoleList(DecodeHoleList(two)), two);
}

// A missing list, and a list rewritten in place, are the Housekeeping
// scenario's (e2e.maint_dialogs).
TEST(DirectoryHoles, AListThatCannotBeRewrittenSurvives) {
    const testing::ScratchDir scratch;
    const fs::path list = scratch.Path() / kHoleListFileName;
    const std::vector<uint8_t> old = EncodeHoleList({{kNow - 5, kNow + 5}, {kNow + 9, kOpen}});
    ASSERT_TRUE(ReplaceFileContents(list, old));
    fs::create_directory(scratch.Path() / kHoleListTemporaryName);
    EXPECT_FALSE(UpdateHoleList(scratch.Path().string(), {true, true, 7}, kNow));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(list, bytes));
    EXPECT_EQ(bytes, old);
}

}  // namespace
}  // namespace tarvon
