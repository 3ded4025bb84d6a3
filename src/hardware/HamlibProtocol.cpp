#include "hardware/HamlibProtocol.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "hardware/DriverCodes.h"

namespace tarvon {
namespace {

std::string Format(const char* format, long long a, long long b) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::string SetPositionCommand(int azimuth, int elevation) {
    return Format("+P %lld %lld\n", azimuth, elevation);
}

std::string SetFrequencyCommand(uint32_t hz) { return Format("+F %lld\n", hz, 0); }

std::string SetTransmitFrequencyCommand(uint32_t hz) { return Format("+I %lld\n", hz, 0); }

std::string SetModeCommand(uint32_t modeCode, bool transmit) {
    const char* name = nullptr;
    switch (modeCode & ~kModeNarrow) {
        case kModeFm: name = "FM"; break;
        case kModeUsb: name = "USB"; break;
        case kModeLsb: name = "LSB"; break;
        case kModeCw: name = "CW"; break;
        default: return {};
    }
    // Passband 0 is the radio's normal filter for the mode.
    int passband = 0;
    if (modeCode & kModeNarrow) passband = (modeCode & kModeCw) ? 500 : 10000;
    char text[48];
    std::snprintf(text, sizeof text, "+%c %s %d\n", transmit ? 'X' : 'M', name, passband);
    return text;
}

bool DaemonReply::Number(std::string_view key, double& value) const {
    for (const auto& [k, v] : values) {
        if (k != key) continue;
        char* end = nullptr;
        const double parsed = std::strtod(v.c_str(), &end);
        if (end == v.c_str() || !std::isfinite(parsed)) return false;
        value = parsed;
        return true;
    }
    return false;
}

ReplyReader::State ReplyReader::Feed(std::string_view bytes) {
    for (char c : bytes) {
        if (state_ != State::Incomplete) return state_;
        if (++total_ > kMaxReplyBytes) return state_ = State::Garbage;
        if (c != '\n') {
            partial_ += c;
            continue;
        }
        state_ = TakeLine(partial_);
        partial_.clear();
    }
    return state_;
}

ReplyReader::State ReplyReader::TakeLine(std::string_view line) {
    line = Trim(line);
    if (line.substr(0, 5) == "RPRT ") {
        std::string_view code = Trim(line.substr(5));
        int value = 0;
        auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), value);
        if (error != std::errc() || end != code.data() + code.size()) return State::Garbage;
        reply_.code = value;
        return State::Complete;
    }
    const size_t colon = line.find(": ");
    if (colon != std::string_view::npos) {
        reply_.values.emplace_back(std::string(line.substr(0, colon)), std::string(Trim(line.substr(colon + 2))));
    }
    // The echo of the command and anything else without a value are passed over.
    return State::Incomplete;
}

RotatorLimits LimitsFromDumpState(const DaemonReply& reply) {
    RotatorLimits limits;
    reply.Number("Minimum Azimuth", limits.minAzimuth);
    reply.Number("Maximum Azimuth", limits.maxAzimuth);
    reply.Number("Minimum Elevation", limits.minElevation);
    reply.Number("Maximum Elevation", limits.maxElevation);
    return limits;
}

std::pair<int, int> ClampToLimits(const RotatorLimits& limits, int azimuth, int elevation) {
    auto clamp = [](int value, double low, double high) {
        if (low > high) return value;
        return static_cast<int>(std::clamp<double>(value, std::ceil(low), std::floor(high)));
    };
    return {clamp(azimuth, limits.minAzimuth, limits.maxAzimuth),
            clamp(elevation, limits.minElevation, limits.maxElevation)};
}

}  // namespace tarvon
