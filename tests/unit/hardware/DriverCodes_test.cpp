#include "hardware/DriverCodes.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(DriverCodes, BandMaskClassifiesTheTunedFrequencies) {
    struct Case {
        double downlinkHz, uplinkHz;
        uint32_t mask;
    } cases[] = {
        {145.8e6, 435.0e6, 0x0201}, {435.0e6, 145.9e6, 0x0102}, {1269.0e6, 2401.0e6, 0x0804},
        {159.999e6, 160.0e6, 0x0201}, {2450.0e6, 0.0, 0x0000}, {145.0e6, 0.0, 0x0001},
        {0.0, 1299.9e6, 0x0400},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RadioBandMask(c.downlinkHz, c.uplinkHz), c.mask) << c.downlinkHz << " / " << c.uplinkHz;
    }
}

TEST(DriverCodes, ModeCodesAndNamesByIndex) {
    struct Case {
        uint32_t index, code;
        const char* name;
    } cases[] = {
        {0, 0x1, "FM"},  {1, 0x1, "FM-W"}, {2, 0x1001, "FM-N"}, {3, 0x2, "USB"},
        {4, 0x4, "LSB"}, {5, 0x8, "CW"},   {6, 0x1008, "CW-N"}, {99, 0x1001, "FM-N"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RadioModeCode(c.index), c.code) << c.index;
        EXPECT_STREQ(ModeName(c.index), c.name) << c.index;
    }
}

}  // namespace
}  // namespace tarvon
