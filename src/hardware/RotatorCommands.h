#pragma once
// The bytes of the streaming rotator types and of the modem commands: pure
// functions, so each line can be checked byte for byte.
#include <optional>
#include <string>
#include <string_view>

#include "hardware/RotatorProtocol.h"

namespace tarvon {

// One tracking step's output, as the tracking controller computed it.
struct RotatorStep {
    double azimuth = 0.0;    // degrees, after the flip
    double elevation = 0.0;  // degrees, after the flip
    double phase = 0.0;      // orbit phase MA, 256ths of a revolution
    double uplinkHz = 0.0;   // to transmit, Doppler-corrected
    double downlinkHz = 0.0; // to receive
    std::string_view uplinkMode;    // a name of the mode list: "FM", "FM-W", "FM-N", ...
    std::string_view downlinkMode;
    bool justRose = false;   // the previous step was below 0 degrees, this one is not
};

std::string EasyComm1Line(const RotatorStep& step);
// The position line and the frequency line, with "AO " before them when the
// satellite has just risen.
std::string EasyComm2Lines(const RotatorStep& step);
std::string EasyComm2Start(std::string_view satName);
constexpr const char* kEasyComm2Stop = "LO SN ";

// The last GS232 position sent during this tracking.
struct Gs232Memory {
    double azimuth = kGs232NothingSent;
    double elevation = kGs232NothingSent;
};
// The command for this step, or nothing when neither axis moved more than
// 3 degrees; a command sent is remembered.
std::optional<std::string> Gs232Command(Gs232Memory& memory, double azimuth, double elevation);

// A SatTrak frequency answer: Hz with six decimals, then CR LF.
std::string SatTrakFrequency(double hz);

// A position read back from an EasyComm rotator: "AZ" or "EL" and a number.
struct ReadBackToken {
    bool azimuth = false;  // else elevation
    double degrees = 0.0;
};
std::optional<ReadBackToken> ParseReadBack(std::string_view token);

std::string Dsp2232ModeCommand(std::string_view mode);

}  // namespace tarvon
