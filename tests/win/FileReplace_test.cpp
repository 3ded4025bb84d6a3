#include "core/FileReplace.h"

#include <gtest/gtest.h>

#include "WinTest_helpers.h"

namespace tarvon {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return std::vector<uint8_t>(text.begin(), text.end()); }

// Saves of Kova.KEP and the schedule replace a file that is already there.
TEST(FileReplace, ReplacesAnExistingFileOnWindows) {
    std::filesystem::path directory = wintest::FreshTempDirectory(L"tarvon replace");
    std::filesystem::path target = directory / "Kova Schedule.DAT";
    ASSERT_TRUE(ReplaceFileContents(target, Bytes("first")));
    ASSERT_TRUE(ReplaceFileContents(target, Bytes("second, longer")));
    ASSERT_TRUE(ReplaceFileContents(target, Bytes("")));
    std::vector<uint8_t> read = Bytes("stale");
    ASSERT_TRUE(ReadWholeFile(target, read));
    EXPECT_TRUE(read.empty());
    ASSERT_TRUE(ReplaceFileContents(target, Bytes("third")));
    ASSERT_TRUE(ReadWholeFile(target, read));
    EXPECT_EQ(read, Bytes("third"));
    EXPECT_FALSE(std::filesystem::exists(directory / "Kova Schedule.DAT.new"));
}

TEST(FileReplace, FailureLeavesTheOldFileAndNoTemporary) {
    std::filesystem::path directory = wintest::FreshTempDirectory(L"tarvon replace fail");
    EXPECT_FALSE(ReplaceFileContents(directory / "missing dir" / "KOVA.OBS", Bytes("x")));
    // A target that is a directory cannot be replaced by a file.
    std::filesystem::create_directory(directory / "KOVA.OBS");
    EXPECT_FALSE(ReplaceFileContents(directory / "KOVA.OBS", Bytes("x")));
    EXPECT_TRUE(std::filesystem::is_directory(directory / "KOVA.OBS"));
    EXPECT_FALSE(std::filesystem::exists(directory / "KOVA.OBS.new"));
}

}  // namespace
}  // namespace tarvon
