#include "hardware/HamlibProtocol.h"

#include <gtest/gtest.h>

#include "hardware/DriverCodes.h"

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

TEST(HamlibProtocol, CommandsInTheExtendedForm) {
    struct Case {
        std::string command, expected;
    } cases[] = {
        {SetPositionCommand(20, 150), "+P 20 150\n"},
        {SetPositionCommand(-2, -3), "+P -2 -3\n"},
        {SetFrequencyCommand(435007260), "+F 435007260\n"},
        {SetTransmitFrequencyCommand(4294967295u), "+I 4294967295\n"},
        {SetModeCommand(0x1001, false), "+M FM 10000\n"},
        {SetModeCommand(0x1008, true), "+X CW 500\n"},
        {SetModeCommand(0x2, false), "+M USB 0\n"},
        {SetModeCommand(0x20, false), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.command, c.expected);
}

TEST(HamlibProtocol, ReplyReaderFindsTheEndAndTheValues) {
    using S = ReplyReader::State;
    struct Case {
        std::vector<std::string> chunks;
        S state;
        int code;
        const char* key;
        double value;
    } cases[] = {
        {{"get_pos:\nAzimuth: 1.80\nElev", "ation: 2.5\r\nRPRT 0\n"}, S::Complete, 0, "Elevation", 2.5},
        {{"set_pos: 200 150\nRPRT -1\n"}, S::Complete, -1, "", 0},
        {{"get_freq:\nFrequency: 145900000\n"}, S::Incomplete, 0, "Frequency", 145900000},
        {{"RPRT zero\n"}, S::Garbage, 0, "", 0},
        {{std::string(ReplyReader::kMaxReplyBytes + 1, '\x7f')}, S::Garbage, 0, "", 0},
    };
    for (const Case& c : cases) {
        ReplyReader reader;
        S state = S::Incomplete;
        for (const std::string& chunk : c.chunks) state = reader.Feed(chunk);
        EXPECT_EQ(state, c.state) << c.chunks[0];
        if (state == S::Complete) {
            EXPECT_EQ(reader.Reply().code, c.code);
        }
        double value = 0;
        if (*c.key) {
            ASSERT_TRUE(reader.Reply().Number(c.key, value)) << c.key;
            EXPECT_EQ(value, c.value);
        }
    }
}

TEST(HamlibProtocol, PositionsAreBroughtIntoTheRotatorsRange) {
    ReplyReader reader;
    reader.Feed("dump_state:\nMinimum Azimuth: -180.000000\nMaximum Azimuth: 450.000000\n"
                "Minimum Elevation: 0.000000\nMaximum Elevation: 90.000000\nRPRT 0\n");
    const RotatorLimits limits = LimitsFromDumpState(reader.Reply());
    struct Case {
        int az, el, wantAz, wantEl;
    } cases[] = {{20, 150, 20, 90}, {200, -2, 200, 0}, {9999, 45, 450, 45}, {-300, 5, -180, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(ClampToLimits(limits, c.az, c.el), std::make_pair(c.wantAz, c.wantEl)) << c.az << " " << c.el;
    }
    EXPECT_EQ(ClampToLimits(RotatorLimits{}, 9999, -45), std::make_pair(9999, -45));
}

}  // namespace
}  // namespace tarvon
