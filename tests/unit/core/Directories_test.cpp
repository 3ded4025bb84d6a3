#include "core/Directories.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../ScratchDir.h"

namespace tarvon {
namespace {

TEST(Directories, NamesThatCanNeverBeADirectoryAreRefused) {
    const testing::ScratchDir base;
    std::ofstream(base / "file") << "in the way";
    const std::string file = (base / "file").string();
    const struct {
        std::string path;
        bool refused;
    } cases[] = {
        {"", false},
        {"C:\\KOVA\\", false},
        {(base / "new").string(), false},
        {file + "\\", true},
        {"C:\\Kova\\a<b", true},
        {"C:\\Kova:Data", true},
        {std::string("C:\\Ko\tva"), true},
        {"C:\\" + std::string(300, 'd'), true},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckDirectory("Dir", c.path).has_value(), c.refused) << c.path;
}

}  // namespace
}  // namespace tarvon
