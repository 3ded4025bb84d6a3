#include "hardware/TrackingStep.h"

#include <cstdio>

#include "hardware/DriverCodes.h"
#include "orbit/OrbitConstants.h"

namespace tarvon {

DopplerTuning TuneForDoppler(const RadioLinks& links, double rangeRate) {
    const double k = rangeRate * kDopplerPerKmS;
    return {(1.0 + k) * links.uplinkHz - links.uplinkOffsetHz,
            (1.0 - k) * links.downlinkHz + links.fineOffsetHz - links.downlinkOffsetHz, 1.0 + k};
}

AntennaPosition FlipPosition(AntennaPosition p) {
    return {p.azimuth > 180.0 ? p.azimuth - 180.0 : p.azimuth + 180.0, 180.0 - p.elevation};
}

std::optional<TrackingPoint> ComputeTrackingPoint(const SatState& s, double rangeRate, const RadioLinks& links,
                                                  bool flipOverhead) {
    if (s.elevation < kLowestTrackedElevation) return std::nullopt;
    TrackingPoint p;
    p.satName = s.name;
    p.elevation = s.elevation * orbit::kRadToDeg;
    p.antenna = {s.azimuth * orbit::kRadToDeg, p.elevation};
    if (flipOverhead) p.antenna = FlipPosition(p.antenna);
    p.tuning = TuneForDoppler(links, rangeRate);
    p.uplinkMode = links.uplinkMode;
    p.downlinkMode = links.downlinkMode;
    p.fineOffsetHz = links.fineOffsetHz;
    p.phase = s.phase;
    return p;
}

std::string TrackingText(const TrackingPoint& p) {
    const char* format = "SN%s AZ%0.1f EL%0.1f UP%0.0f UM%s DN%0.0f DM%s\n";
    auto print = [&](char* out, size_t size) {
        return std::snprintf(out, size, format, p.satName.c_str(), p.antenna.azimuth, p.antenna.elevation,
                             p.tuning.uplinkHz, ModeName(p.uplinkMode), p.tuning.downlinkHz,
                             ModeName(p.downlinkMode));
    };
    std::string text(static_cast<size_t>(print(nullptr, 0)), '\0');
    print(text.data(), text.size() + 1);
    return text;
}

TrackDataRecord TrackingRecord(const TrackingPoint& p) {
    TrackDataRecord r;
    r.satName = p.satName;
    r.azimuth = p.antenna.azimuth;
    r.elevation = p.antenna.elevation;
    r.uplinkHz = p.tuning.uplinkHz;
    r.downlinkHz = p.tuning.downlinkHz;
    r.dopplerFactor = p.tuning.factor;
    r.uplinkMode = static_cast<int16_t>(ModeIndexOrDefault(p.uplinkMode));
    r.downlinkMode = static_cast<int16_t>(ModeIndexOrDefault(p.downlinkMode));
    r.fineOffsetHz = p.fineOffsetHz;
    r.phase = static_cast<uint16_t>(static_cast<int>(p.phase) & 0xFF);
    return r;
}

uint32_t DriverHz(double hz) {
    if (!(hz >= 1.0) || hz >= 4294967296.0) return 0;
    return static_cast<uint32_t>(hz);
}

}  // namespace tarvon
