#include "hardware/DialogueMachines.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

using Kind = DialogueAction::Kind;

struct LineCase {
    const char* line;
    std::vector<DialogueAction> actions;
    int state;
};

DialogueAction Send(const char* text) { return {Kind::Send, text}; }
DialogueAction Pause(uint32_t ms) { return {Kind::Pause, {}, ms}; }
DialogueAction Do(Kind kind) { return {kind, {}}; }

void Walk(Dialogue d, const std::vector<LineCase>& lines) {
    for (const LineCase& c : lines) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(OnDialogueLine(d, c.line), c.actions);
        EXPECT_EQ(d.state, c.state);
    }
}

TEST(DialogueMachines, TrakBoxTracksASatelliteByItsTwoDigitMenuNumber) {
    Walk(TrakBoxTrack("ao-16"), {
        {"Press 'Q' Return to quit", {Send("Q\n")}, 1},
        {"Select option", {Send("Q\n")}, 1},
        {"Main menu [1-4,M]", {Send("1")}, 2},
        {"Satellites [1-20,M]", {}, 2},
        {" 07. UO-22   12. ao-16   13. KO-25", {}, 3},
        {"Select satellite", {Send("12\n")}, 4},
        {"Uplink 145900000 Hz", {}, 5},
        {"Downlink 437025000 Hz", {}, 6},
        {"Tracking", {Send("E"), Do(Kind::Done)}, 0},
    });
}

TEST(DialogueMachines, TrakBoxEndings) {
    Dialogue last = TrakBoxTrack("AO-16");
    last.state = 6;
    Walk(last, {{" * already tracking", {Do(Kind::Done)}, 0}});
    last.state = 6;
    Walk(last, {{"", {Send("E"), Do(Kind::Done)}, 0}});
}

TEST(DialogueMachines, SatTrakDownlinkDialogue) {
    Walk(SatTrakTune(false, 435.8e6), {
        {"Kova", {Pause(125), Send("D")}, 22},
        {"Uplink", {}, 22},
        {"Down", {Pause(125), Send("435800000.000000\r\n"), Do(Kind::Done)}, 0},
    });
}

TEST(LineFramer, EndsLinesAtTerminatorsAndWrapsAtTheBufferSize) {
    LineFramer framer(kSatTrakTerminators, kRotatorLineBuffer);
    std::vector<std::string> lines;
    auto feed = [&](const std::string& bytes) {
        for (char c : bytes) {
            if (framer.Feed(static_cast<uint8_t>(c))) lines.emplace_back(framer.Line());
        }
    };
    feed("Kova>ab\rc\r");
    feed(std::string(255, 'x') + "tail\r");
    feed(std::string("\0\xff\x01", 3) + ">");
    const std::vector<std::string> expected = {"Kova", "ab", "c", "tail", std::string("\0\xff\x01", 3)};
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace tarvon
