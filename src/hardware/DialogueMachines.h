#pragma once
// The menu dialogues of the box rotators (TrakBox, SatTrak) and of the DSP-12
// modem: given the state and one received line, what to send and where to go
// next. Pure, so every dialogue can be walked through line by line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "hardware/RotatorProtocol.h"

namespace tarvon {

// A dialogue in progress. `state` is the protocol state number: 0 idle;
// TrakBox 1-6 (track) and 11-12 (list); SatTrak 1-2 (select), 11-12
// (uplink), 21-22 (downlink).
struct Dialogue {
    RotatorType type = kRotatorNone;
    int state = 0;
    std::string satName;     // TrakBox: in upper case
    std::string menuNumber;  // TrakBox: the two characters before the name
    double hz = 0.0;         // SatTrak: the frequency to send
};

Dialogue TrakBoxTrack(std::string_view satName);
Dialogue TrakBoxList();
Dialogue SatTrakSelect(std::string_view satName);
Dialogue SatTrakTune(bool uplink, double hz);

struct DialogueAction {
    enum class Kind {
        Send,          // text
        Pause,         // ms
        Done,          // the dialogue is over: close the port
        StopTracking,  // the tracking loop ends (with Done)
        NotFound,      // TrakBox does not know the satellite (with StopTracking)
        Listed,        // text: one satellite name of the TrakBox list
    };
    Kind kind;
    std::string text;
    uint32_t ms = 0;

    bool operator==(const DialogueAction&) const = default;
};
using DialogueActions = std::vector<DialogueAction>;

// One received line (without its terminator) of the dialogue `d`.
DialogueActions OnDialogueLine(Dialogue& d, std::string_view line);

// The DSP-12 menu: what one line asks of the modem control.
enum class Dsp12Reply { Nothing, QuitCommandMode, Return, MainMenu };
Dsp12Reply OnDsp12Line(std::string_view line);

// Collects received bytes into lines. A terminator ends a line; a line that
// fills the buffer without one starts again at the buffer's start.
class LineFramer {
public:
    LineFramer(std::string_view terminators, uint32_t capacity) : terminators_(terminators), capacity_(capacity) {}
    // True when `byte` ended a line; Line() then holds it until the next Feed.
    bool Feed(uint8_t byte);
    std::string_view Line() const { return buffer_; }

private:
    std::string_view terminators_;
    uint32_t capacity_;
    std::string buffer_;
    bool ended_ = false;
};

}  // namespace tarvon
