#include "core/SatelliteSetupForms.h"

#include <cctype>
#include <cstdio>

namespace tarvon {
namespace {

namespace lim = satellite_limits;

constexpr uint32_t kTypeCount = 3;
constexpr uint32_t kStateCount = 3;
constexpr uint32_t kRunNormal = 2;
constexpr uint32_t kFourDigits = 9999;
// The scheduler reads priorities from 1 to kLowestPriority; a larger one would
// be taken as its middle priority, the opposite of what was meant.
constexpr uint32_t kMaxPriority = kLowestPriority;
constexpr uint32_t kMaxElevation = 90;
constexpr uint32_t kLinkCount = 4;
constexpr double kMaxFrequencyMhz = 100000.0;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

auto TextField(int field, const char* label, const std::string& text, size_t maxChars) {
    return CheckField(field, [=, &text] { return CheckText(label, text, maxChars, false); });
}

std::string Frequency(double mhz) {
    char text[64];
    std::snprintf(text, sizeof text, "%0.6f", mhz);
    return text;
}

// The frequency typed, or the stored one while its text is what was shown.
auto FrequencyField(int field, const char* label, const std::string& text, double stored, double& value) {
    return CheckField(field, [=, &text, &value]() -> std::optional<std::string> {
        if (text == Frequency(stored)) {
            value = stored;
            return std::nullopt;
        }
        return CheckDecimal(label, text, 0.0, kMaxFrequencyMhz, value, " MHz");
    });
}

}  // namespace

SatelliteGeneralForm SatelliteGeneralFormFor(const SatelliteConfig& c) {
    SatelliteGeneralForm f;
    f.name = c.name;
    f.type = c.satelliteType < kTypeCount ? static_cast<int>(c.satelliteType) : -1;
    f.tlmFile = c.tlmFile;
    f.state = c.state < kStateCount ? static_cast<int>(c.state) : -1;
    f.enableSatGate = c.enableSatGate == 1;
    f.bdcstCallsign = c.bdcstCallsign;
    f.bbsCallsign = c.bbsCallsign;
    f.nupCallsign = c.nupCallsign;
    return f;
}

std::optional<FieldProblem> ReadSatelliteGeneralForm(const SatelliteGeneralForm& f, SatelliteConfig& c) {
    auto problem = FirstProblem(
        CheckField(kGeneralName, [&]() -> std::optional<std::string> {
            if (f.name.find_first_not_of(" \t") == std::string::npos) return kSatelliteNameMissing;
            // The name also names the satellite's key.
            return CheckKeyName("Name", f.name, lim::kName);
        }),
        CheckField(kGeneralType, [&]() -> std::optional<std::string> {
            if (f.type < 0 || f.type >= static_cast<int>(kTypeCount)) return kSatelliteTypeMissing;
            return std::nullopt;
        }),
        TextField(kGeneralTlmFile, "TLM Config File", f.tlmFile, lim::kPath),
        TextField(kGeneralBdcst, "Broadcast Callsign", f.bdcstCallsign, lim::kCallsign),
        TextField(kGeneralBbs, "BBS Callsign", f.bbsCallsign, lim::kCallsign),
        TextField(kGeneralNup, "NUP Callsign", f.nupCallsign, lim::kCallsign));
    if (problem) return problem;
    c.name = f.name;
    c.satelliteType = static_cast<uint32_t>(f.type);
    c.tlmFile = f.tlmFile;
    if (f.state >= 0 && f.state < static_cast<int>(kStateCount)) c.state = static_cast<uint32_t>(f.state);
    // A SatGate serves PacSat mail only.
    c.enableSatGate = f.enableSatGate && c.satelliteType == 0 ? 1 : 0;
    c.bdcstCallsign = Upper(f.bdcstCallsign);
    c.bbsCallsign = Upper(f.bbsCallsign);
    c.nupCallsign = Upper(f.nupCallsign);
    return std::nullopt;
}

SatelliteSchedulingForm SatelliteSchedulingFormFor(const SatelliteConfig& c) {
    SatelliteSchedulingForm f;
    f.program = c.program;
    f.directory = c.directory;
    f.run = static_cast<int>(c.run < kRunNormal ? c.run : kRunNormal);
    f.passCheckTime = std::to_string(c.passCheckTime);
    f.passChecking = c.passChecking == 1;
    f.priority = std::to_string(c.priority);
    f.minElevation = std::to_string(c.minElevation);
    f.minPassTime = std::to_string(c.minPassTime);
    f.startTime = std::to_string(c.startTime);
    return f;
}

std::optional<FieldProblem> ReadSatelliteSchedulingForm(const SatelliteSchedulingForm& f, SatelliteConfig& c) {
    uint32_t passCheckTime = 0, priority = 0, minElevation = 0, minPassTime = 0, startTime = 0;
    auto problem = FirstProblem(
        TextField(kSchedulingProgram, "Program", f.program, lim::kPath),
        TextField(kSchedulingDirectory, "Directory", f.directory, lim::kPath),
        CheckNumberField(kSchedulingPassCheckTime, "Pass check time", f.passCheckTime, 0, kFourDigits, passCheckTime),
        CheckNumberField(kSchedulingPriority, "Priority", f.priority, 0, kMaxPriority, priority),
        CheckField(kSchedulingPriority, [&]() -> std::optional<std::string> {
            if (priority == 0 && c.state == 0) return kPriorityZero;
            return std::nullopt;
        }),
        CheckNumberField(kSchedulingMinElevation, "Minimum elevation", f.minElevation, 0, kMaxElevation, minElevation),
        CheckNumberField(kSchedulingMinPassTime, "Minimum pass time", f.minPassTime, 0, kFourDigits, minPassTime),
        CheckNumberField(kSchedulingStartTime, "Time before pass to run", f.startTime, 0, kFourDigits, startTime));
    if (problem) return problem;
    c.program = f.program;
    c.directory = f.directory;
    c.run = f.run >= 0 && static_cast<uint32_t>(f.run) < kRunNormal ? static_cast<uint32_t>(f.run) : kRunNormal;
    c.passCheckTime = passCheckTime;
    c.passChecking = f.passChecking ? 1 : 0;
    c.priority = priority;
    c.minElevation = minElevation;
    c.minPassTime = minPassTime;
    c.startTime = startTime;
    return std::nullopt;
}

SatelliteFrequenciesForm SatelliteFrequenciesFormFor(const SatelliteConfig& c) {
    SatelliteFrequenciesForm f;
    for (size_t i = 0; i < kLinkCount; ++i) {
        f.uplink[i] = Frequency(c.uplink[i]);
        f.downlink[i] = Frequency(c.downlink[i]);
    }
    f.defaultUplink = c.defaultUplink >= 1 && c.defaultUplink <= kLinkCount ? static_cast<int>(c.defaultUplink) : 0;
    f.defaultDownlink =
        c.defaultDownlink >= 1 && c.defaultDownlink <= kLinkCount ? static_cast<int>(c.defaultDownlink) : 0;
    f.uplinkMode = static_cast<int>(c.uplinkMode);
    f.downlinkMode = static_cast<int>(c.downlinkMode);
    f.uplinks = std::to_string(c.uplinks);
    return f;
}

std::optional<FieldProblem> ReadSatelliteFrequenciesForm(const SatelliteFrequenciesForm& f, SatelliteConfig& c) {
    static constexpr const char* kLabels[] = {"Uplink 1",   "Uplink 2",   "Uplink 3",   "Uplink 4",
                                              "Downlink 1", "Downlink 2", "Downlink 3", "Downlink 4"};
    std::array<double, 4> uplink{}, downlink{};
    uint32_t uplinks = 0;
    std::optional<FieldProblem> problem;
    for (size_t i = 0; i < 2 * kLinkCount && !problem; ++i) {
        const size_t k = i % kLinkCount;
        const bool up = i < kLinkCount;
        problem = FirstProblem(FrequencyField(static_cast<int>(i), kLabels[i], (up ? f.uplink : f.downlink)[k],
                                              (up ? c.uplink : c.downlink)[k], (up ? uplink : downlink)[k]));
    }
    if (!problem) {
        problem = FirstProblem(CheckNumberField(kFrequenciesUplinks, "Num. Uplinks", f.uplinks, 0, kLinkCount, uplinks));
    }
    if (problem) return problem;
    c.uplink = uplink;
    c.downlink = downlink;
    if (f.defaultUplink >= 1 && f.defaultUplink <= static_cast<int>(kLinkCount)) c.defaultUplink = uint32_t(f.defaultUplink);
    if (f.defaultDownlink >= 1 && f.defaultDownlink <= static_cast<int>(kLinkCount)) {
        c.defaultDownlink = uint32_t(f.defaultDownlink);
    }
    if (f.uplinkMode >= 0) c.uplinkMode = static_cast<uint32_t>(f.uplinkMode);
    if (f.downlinkMode >= 0) c.downlinkMode = static_cast<uint32_t>(f.downlinkMode);
    c.uplinks = uplinks;
    return std::nullopt;
}

}  // namespace tarvon
