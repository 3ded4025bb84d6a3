#include "hardware/DialogueMachines.h"

#include <algorithm>
#include <cctype>

#include "hardware/RotatorCommands.h"

namespace tarvon {
namespace {

using Kind = DialogueAction::Kind;

bool Has(std::string_view line, std::string_view marker) { return line.find(marker) != std::string_view::npos; }

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

DialogueAction Send(std::string text) { return {Kind::Send, std::move(text)}; }
DialogueAction Pause(uint32_t ms) { return {Kind::Pause, {}, ms}; }
DialogueAction Do(Kind kind) { return {kind, {}}; }

// States 1 and 11: get from wherever the box is to its main menu, then
// choose the satellite menu.
DialogueActions TrakBoxToMenu(Dialogue& d, std::string_view line) {
    if (Has(line, "'Q' Return")) return {Send("Q\n")};
    if (Has(line, ",M]")) {
        d.state += 1;
        return {Send("1")};
    }
    if (Has(line, "Select")) return {Send("Q\n")};
    return {};
}

// The satellite menu lists entries as "NN. NAME"; the number stands four
// places before the name.
DialogueActions TrakBoxFindSatellite(Dialogue& d, std::string_view line) {
    const std::string upper = Upper(line);
    if (Has(upper, ",M]")) return {};
    const size_t at = upper.find(d.satName);
    // A name too near the line's start has no number before it; such a line
    // is not the satellite's entry.
    if (!d.satName.empty() && at != std::string::npos && at >= 4) {
        d.menuNumber = upper.substr(at - 4, 2);
        d.state = 3;
        return {};
    }
    if (Has(upper, "SELECT")) {
        d.state = 0;
        return {Do(Kind::StopTracking), Do(Kind::Done), Do(Kind::NotFound)};
    }
    return {};
}

DialogueActions TrakBoxListLine(Dialogue& d, std::string_view line) {
    if (Has(line, ",M]")) return {};
    if (Has(line, "Select")) {
        d.state = 0;
        return {Do(Kind::StopTracking), Do(Kind::Done)};
    }
    DialogueActions names;
    for (size_t dot = line.find('.'); dot != std::string_view::npos; dot = line.find('.', dot + 1)) {
        if (dot + 2 >= line.size()) break;
        std::string_view rest = line.substr(dot + 2);
        std::string_view name = rest.substr(0, rest.find(' '));
        if (!name.empty()) names.push_back({Kind::Listed, std::string(name)});
    }
    return names;
}

DialogueActions TrakBoxLine(Dialogue& d, std::string_view line) {
    switch (d.state) {
        case 1:
        case 11: return TrakBoxToMenu(d, line);
        case 2: return TrakBoxFindSatellite(d, line);
        case 12: return TrakBoxListLine(d, line);
        case 3:
            if (!Has(line, "Select")) return {};
            d.state = 4;
            return {Send(d.menuNumber + "\n")};
        case 4:
            if (Has(line, " Hz")) d.state = 5;
            return {};
        case 5: d.state = 6; return {};
        case 6: {
            d.state = 0;
            const char second = line.size() >= 2 ? line[1] : '\0';
            if (second != '*' && second != '!') return {Send("E"), Do(Kind::Done)};
            return {Do(Kind::Done)};
        }
        default: return {};
    }
}

DialogueActions SatTrakLine(Dialogue& d, std::string_view line) {
    // Each purpose answers the greeting with its letter, then the letter's
    // prompt with its value. Selection answers the greeting at once.
    const int purpose = d.state / 10;  // 0 select, 1 uplink, 2 downlink
    const bool greeting = d.state % 10 == 1;
    static const char* const kLetters[] = {"S", "U", "D"};
    if (purpose > 2) return {};
    if (greeting) {
        if (!Has(line, "Kova")) return {};
        d.state += 1;
        if (purpose == 0) return {Send("S")};
        return {Pause(kSatTrakAnswerMs), Send(kLetters[purpose])};
    }
    if (!Has(line, kLetters[purpose])) return {};
    d.state = 0;
    std::string answer = purpose == 0 ? d.satName + "\r\n" : SatTrakFrequency(d.hz);
    return {Pause(kSatTrakAnswerMs), Send(std::move(answer)), Do(Kind::Done)};
}

}  // namespace

Dialogue TrakBoxTrack(std::string_view satName) { return {kRotatorTrakBox, 1, Upper(satName), {}, 0.0}; }

Dialogue TrakBoxList() { return {kRotatorTrakBox, 11, {}, {}, 0.0}; }

Dialogue SatTrakSelect(std::string_view satName) { return {kRotatorSatTrak, 1, std::string(satName), {}, 0.0}; }

Dialogue SatTrakTune(bool uplink, double hz) { return {kRotatorSatTrak, uplink ? 11 : 21, {}, {}, hz}; }

DialogueActions OnDialogueLine(Dialogue& d, std::string_view line) {
    if (d.state == 0) return {};
    if (d.type == kRotatorTrakBox) return TrakBoxLine(d, line);
    if (d.type == kRotatorSatTrak) return SatTrakLine(d, line);
    return {};
}

Dsp12Reply OnDsp12Line(std::string_view line) {
    if (Has(line, "cmd")) return Dsp12Reply::QuitCommandMode;
    if (Has(line, "^C^C^C")) return Dsp12Reply::Return;
    if (Has(line, "Main Menu")) return Dsp12Reply::MainMenu;
    return Dsp12Reply::Nothing;
}

bool LineFramer::Feed(uint8_t byte) {
    if (ended_) {
        buffer_.clear();
        ended_ = false;
    }
    if (terminators_.find(static_cast<char>(byte)) != std::string_view::npos) {
        ended_ = true;
        return true;
    }
    if (buffer_.size() >= capacity_) buffer_.clear();
    buffer_.push_back(static_cast<char>(byte));
    return false;
}

}  // namespace tarvon
