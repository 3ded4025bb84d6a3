#include "hardware/RotatorCommands.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

RotatorStep Step(bool rose = false) { return {123.44, 5.06, 17.25, 145900123.6, 435799876.4, "FM-N", "USB", rose}; }

TEST(RotatorCommands, LinesByteForByte) {
    EXPECT_EQ(EasyComm1Line(Step()), "AZ123.4 EL5.1 UP145900124 FM-N DN435799876 USB\n");
    EXPECT_EQ(EasyComm2Lines(Step()), "AZ123.4 EL5.1 PH17.2\nUP145900124 UMFM-N DN435799876 DMUSB\n");
    EXPECT_EQ(EasyComm2Lines(Step(true)), "AO AZ123.4 EL5.1 PH17.2\nUP145900124 UMFM-N DN435799876 DMUSB\n");
}

TEST(RotatorCommands, Gs232SendsOnlyAfterAMoveOfMoreThanThreeDegrees) {
    const struct {
        double az, el;
        const char* sent;  // nullptr: nothing
    } steps[] = {
        {100.0, 10.0, "W100 10\n"},  // the first step always sends
        {102.9, 10.0, nullptr},      {103.1, 10.0, "W103 10\n"}, {103.1, 13.0, nullptr},
        {103.1, 13.2, "W103 13\n"},  {100.0, 13.2, "W100 13\n"}, {359.6, 89.7, "W360 90\n"},
    };
    Gs232Memory memory;
    for (const auto& s : steps) {
        const auto sent = s.sent ? std::optional<std::string>(s.sent) : std::nullopt;
        EXPECT_EQ(Gs232Command(memory, s.az, s.el), sent) << s.az;
    }
}

TEST(RotatorCommands, ReadBackTakesOnlyPositions) {
    using Position = std::optional<std::pair<bool, double>>;  // azimuth (else elevation), degrees
    const std::pair<const char*, Position> cases[] = {
        {"AZ123.4", {{true, 123.4}}}, {"EL45", {{false, 45.0}}}, {"EL-2.5", {{false, -2.5}}},
        {"AZ12x", {{true, 12.0}}},    {"AZ", {}},               {"AZxyz", {}},
        {"UP145900000", {}},          {"az10", {}},             {"AZnan", {}},
        {"", {}},
    };
    for (const auto& [text, position] : cases) {
        const std::optional<ReadBackToken> token = ParseReadBack(text);
        EXPECT_EQ(token ? Position({token->azimuth, token->degrees}) : std::nullopt, position) << text;
    }
}

}  // namespace
}  // namespace tarvon
