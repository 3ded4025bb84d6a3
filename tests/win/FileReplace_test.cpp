#include "core/FileReplace.h"

#include <gtest/gtest.h>

#include "unit/ScratchDir.h"

namespace tarvon {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return std::vector<uint8_t>(text.begin(), text.end()); }

TEST(FileReplace, FailureLeavesTheOldFileAndNoTemporary) {
    const testing::ScratchDir directory;
    EXPECT_FALSE(ReplaceFileContents(directory / "missing dir" / "KOVA.OBS", Bytes("x")));
    // A target that is a directory cannot be replaced by a file.
    std::filesystem::create_directory(directory / "KOVA.OBS");
    EXPECT_FALSE(ReplaceFileContents(directory / "KOVA.OBS", Bytes("x")));
    EXPECT_TRUE(std::filesystem::is_directory(directory / "KOVA.OBS"));
    EXPECT_FALSE(std::filesystem::exists(directory / "KOVA.OBS.new"));
}

}  // namespace
}  // namespace tarvon
