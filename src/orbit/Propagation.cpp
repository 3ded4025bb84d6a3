#include "orbit/Propagation.h"

#include <cmath>
#include <cstring>

#include "core/TimeScales.h"
#include "orbit/OrbitConstants.h"
#include "orbit/OrbitFrame.h"

namespace tarvon {
using namespace orbit;
namespace {

constexpr double kTwoThirds = 2.0 / 3.0;
constexpr int kKeplerMaxIterations = 100;

double SemiMajorAxis(double meanMotion) { return kSemiMajorAxisFactor * std::pow(1440.0 / meanMotion, kTwoThirds); }

void SetAxisAndRates(SatState& s) {
    s.semiMajorAxis = SemiMajorAxis(s.meanMotion);
    const double oneMinusE2 = 1.0 - s.eccentricity * s.eccentricity;
    double k = std::pow(s.semiMajorAxis, -3.5) / (oneMinusE2 * oneMinusE2);
    k *= std::pow(kEarthRadius, 3.5);
    const double cosI = std::cos(s.inclination);
    s.nodeRate = kNodeRegressionCoefficient * k * cosI;
    s.perigeeRate = kPerigeeRotationCoefficient * k * (5.0 * cosI * cosI - 1.0);
    s.epochOrbit = s.meanAnomaly / kTwoPi + s.epochOrbitNumber;
    s.cosInclination = cosI;
    s.sinInclination = std::sin(s.inclination);
    const double cosBlat = std::cos(s.blat);
    s.antennaInPlane = {-cosBlat * std::cos(s.blon), -cosBlat * std::sin(s.blon), -std::sin(s.blat)};
    SetSiderealBase(s, s.epoch);
    s.epochSiderealDay = s.siderealDay;
    s.epochSiderealAngle = s.siderealAngle;
}

void CopyElements(SatState& s, const KepsRecord& k) {
    s.elementSet = k.elementSet;
    s.epochOrbitNumber = k.epochOrbit;
    s.epochYear = k.epochYear;
    s.decay = k.decay;
    s.eccentricity = k.eccentricity;
    s.meanMotion = k.meanMotion;
    s.inclination = k.inclination * kDegToRad;
    s.raan = k.raan * kDegToRad;
    s.argPerigee = k.argPerigee * kDegToRad;
    s.meanAnomaly = k.meanAnomaly * kDegToRad;
    // 9999 (not set) converts like any angle; displays recognise it.
    s.blon = k.blon * kDegToRad;
    s.blat = k.blat * kDegToRad;
    s.epoch = DayNumberFromYearDay(k.epochYear, 0) + k.epochDay;
    s.beaconFrequency = k.beaconMhz * 1000000.0;
    std::memcpy(s.modeSchedule, k.modeSchedule, sizeof s.modeSchedule);
}

}  // namespace

void SetSiderealBase(SatState& s, double dayNumber) {
    const double d = std::floor(dayNumber);
    const double t = (d - 0.5) * kCenturiesPerDay;
    const double hours = (6.6460656 + 2400.051262 * t + 2.581e-5 * t * t) / 24.0;
    s.siderealDay = d;
    s.siderealAngle = hours - std::floor(hours);
}

double SiderealAngle(const SatState& s, double t) {
    return ((t - s.siderealDay) * kSiderealRatio + s.siderealAngle) * kTwoPi;
}

void InitSatState(const KepsRecord& keps, SatState& s, double nowDayNumber) {
    s = SatState{};
    std::memcpy(s.name, keps.name, kKepsNameChars);
    s.name[kKepsNameChars] = '\0';
    s.catalogNumber = keps.catalogNumber;
    CopyElements(s, keps);
    if (s.beaconFrequency > 5e10) s.beaconFrequency = 0.0;
    SetAxisAndRates(s);
    s.now = nowDayNumber;
}

void RefreshSatState(SatState& s, const KepsRecord& keps, double stationRangeRate) {
    CopyElements(s, keps);
    s.sunTime = 0.0;
    SetAxisAndRates(s);
    if (s.beaconFrequency > 3e10) s.beaconFrequency = 0.0;
    s.doppler = DopplerShift(stationRangeRate, s.beaconFrequency);
}

double SolveKepler(double meanAnomaly, double e) {
    double E = meanAnomaly;
    // Converges in a few rounds for any ellipse; the cap only stops input
    // that is not an ellipse from spinning.
    for (int i = 0; i < kKeplerMaxIterations; ++i) {
        const double delta = (E - e * std::sin(E) - meanAnomaly) / (1.0 - e * std::cos(E));
        E -= delta;
        if (std::fabs(delta) < kKeplerTolerance) break;
    }
    double nu;
    if (std::fabs(E - kPi) < kKeplerTolerance) {
        nu = kPi;
    } else {
        nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    }
    if (nu < 0.0) nu += kTwoPi;
    return nu;
}

void PropagateSat(SatState& s, double t) {
    s.siderealDay = s.epochSiderealDay;
    s.siderealAngle = s.epochSiderealAngle;
    const double dt = t - s.epoch;
    s.semiMajorAxis = SemiMajorAxis(2.0 * s.decay * dt + s.meanMotion);
    const double o = dt * (s.decay * dt + s.meanMotion) + s.epochOrbit;
    const double m = (o - std::trunc(o)) * kTwoPi;
    const OrbitFrame frame =
        MakeOrbitFrame(s.cosInclination, s.sinInclination, s.raan - s.nodeRate * dt, s.argPerigee + s.perigeeRate * dt);
    const OrbitPoint p = PointInOrbit(s.semiMajorAxis, s.eccentricity, m);
    s.radius = p.radius;
    s.position = frame.InPlane(p.x, p.y);
    s.velocity = frame.InPlane(p.vx, p.vy);
    s.antennaAxis = frame.InSpace(s.antennaInPlane.x, s.antennaInPlane.y, s.antennaInPlane.z);
    s.phase = m * kPhaseScale;
}

double DopplerShift(double rangeRate, double frequencyHz) { return -rangeRate / kSpeedOfLight * frequencyHz; }

}  // namespace tarvon
