#include "hardware/RotatorCommands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace tarvon {
namespace {

// Formats into a string; the formats are all our own constants.
__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return {};
    return std::string(buffer, static_cast<size_t>(std::min<int>(n, sizeof buffer - 1)));
}

// Mode names come from a fixed list; a longer text would be a fault upstream
// and is cut rather than overrunning a line.
int ModeLength(std::string_view mode) { return static_cast<int>(std::min<size_t>(mode.size(), 8)); }

}  // namespace

std::string EasyComm1Line(const RotatorStep& s) {
    return Format("AZ%0.1f EL%0.1f UP%0.0f %.*s DN%0.0f %.*s\n", s.azimuth, s.elevation, s.uplinkHz,
                  ModeLength(s.uplinkMode), s.uplinkMode.data(), s.downlinkHz, ModeLength(s.downlinkMode),
                  s.downlinkMode.data());
}

std::string EasyComm2Lines(const RotatorStep& s) {
    std::string lines = s.justRose ? "AO " : "";
    lines += Format("AZ%0.1f EL%0.1f PH%0.1f\n", s.azimuth, s.elevation, s.phase);
    lines += Format("UP%0.0f UM%.*s DN%0.0f DM%.*s\n", s.uplinkHz, ModeLength(s.uplinkMode), s.uplinkMode.data(),
                    s.downlinkHz, ModeLength(s.downlinkMode), s.downlinkMode.data());
    return lines;
}

std::string EasyComm2Start(std::string_view satName) { return "SN" + std::string(satName) + "\n"; }

std::optional<std::string> Gs232Command(Gs232Memory& memory, double azimuth, double elevation) {
    if (std::fabs(azimuth - memory.azimuth) <= kGs232MinimumMove &&
        std::fabs(elevation - memory.elevation) <= kGs232MinimumMove) {
        return std::nullopt;
    }
    memory.azimuth = azimuth;
    memory.elevation = elevation;
    return Format("W%0.0f %0.0f\n", azimuth, elevation);
}

std::string SatTrakFrequency(double hz) { return Format("%f\r\n", hz); }

std::optional<ReadBackToken> ParseReadBack(std::string_view token) {
    if (token.size() < 3) return std::nullopt;
    ReadBackToken result;
    if (token.substr(0, 2) == "AZ") {
        result.azimuth = true;
    } else if (token.substr(0, 2) != "EL") {
        return std::nullopt;
    }
    const char* first = token.data() + 2;
    const char* last = token.data() + token.size();
    auto [end, error] = std::from_chars(first, last, result.degrees, std::chars_format::fixed);
    // A token without a number (noise, a cut line) must not move the display to 0.
    if (error != std::errc() || end == first || !std::isfinite(result.degrees)) return std::nullopt;
    return result;
}

std::string Dsp2232ModeCommand(std::string_view mode) { return "\rMODEM " + std::string(mode) + "\r"; }

}  // namespace tarvon
