#pragma once
// One tracking step in numbers: where the antenna points, what the radio is
// tuned to after Doppler and transverters, and the two forms of tracking data
// that other programs read.
#include <cstdint>
#include <optional>
#include <string>

#include "hardware/TrackingData.h"
#include "orbit/SatState.h"

namespace tarvon {

// Below this (−3°) nothing is sent: the antenna waits at its last position.
constexpr double kLowestTrackedElevation = -0.05235987755982988;
// One over the speed of light, s/km.
constexpr double kDopplerPerKmS = 3.3356404846685625e-6;

// The satellite's links as the radio is to work them, Hz.
struct RadioLinks {
    double uplinkHz = 0.0;  // nominal, as the satellite sees it
    double downlinkHz = 0.0;
    double uplinkOffsetHz = 0.0;  // transverter local oscillators
    double downlinkOffsetHz = 0.0;
    double fineOffsetHz = 0.0;  // the user's downlink correction
    uint32_t uplinkMode = 2;    // indices into the mode list
    uint32_t downlinkMode = 2;
};

struct DopplerTuning {
    double uplinkHz;    // to transmit on
    double downlinkHz;  // to receive on
    double factor;      // 1 + range rate / c
};

// `rangeRate` in km/s, positive when the satellite moves away.
DopplerTuning TuneForDoppler(const RadioLinks& links, double rangeRate);

struct AntennaPosition {
    double azimuth;    // degrees
    double elevation;  // degrees
};

// An overhead pass with a rotator that can turn its elevation past 90°:
// the antenna looks over its back instead of swinging through the end stop.
AntennaPosition FlipPosition(AntennaPosition p);

struct TrackingPoint {
    std::string satName;
    AntennaPosition antenna;  // after the flip
    double elevation;         // degrees, as the satellite stands
    DopplerTuning tuning;
    uint32_t uplinkMode, downlinkMode;
    double fineOffsetHz;
    double phase;  // 256ths of an orbit
};

// Nothing below −3°. `s` holds the look angles of this step.
std::optional<TrackingPoint> ComputeTrackingPoint(const SatState& s, double rangeRate, const RadioLinks& links,
                                                  bool flipOverhead);

std::string TrackingText(const TrackingPoint& p);
TrackDataRecord TrackingRecord(const TrackingPoint& p);

// A frequency as a driver takes it: whole Hz (truncated), 0 when it cannot
// be one (negative, or beyond 32 bits).
uint32_t DriverHz(double hz);

}  // namespace tarvon
