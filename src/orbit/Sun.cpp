#include "orbit/Sun.h"

#include <cmath>

#include "orbit/OrbitConstants.h"
#include "orbit/OrbitFrame.h"
#include "orbit/Propagation.h"

namespace tarvon {
using namespace orbit;
namespace {

double DegreesReducedToRadians(double degrees) { return (degrees - 360.0 * std::floor(degrees / 360.0)) * kDegToRad; }

}  // namespace

void UpdateSun(SatState& s) {
    const double day = std::floor(s.now);
    const double t = (day - 0.5) * kCenturiesPerDay;
    const double t2 = t * t, t3 = t2 * t;
    SetSiderealBase(s, day);
    const double moonNode = DegreesReducedToRadians(259.18 - 1934.142 * t);
    SunElements& sun = s.sun;
    sun.inclination = (23.452294 - 0.0130125 * t - 1.64e-6 * t2 + 5.03e-7 * t3 + 0.00256 * std::cos(moonNode)) * kDegToRad;
    sun.eccentricity = 0.01675104 - 4.18e-5 * t - 1.26e-7 * t2;
    sun.argPerigee = (281.220833 + 1.719175 * t + 0.0004527 * t2 + 3.3e-6 * t3) * kDegToRad;
    sun.meanAnomaly = DegreesReducedToRadians(358.475845 + 35999.04975 * t - 0.00015 * t2 - 3.33333e-6 * t3);
    sun.meanMotion = 1.0 / (365.24219879 - 6.14e-6 * t);
    sun.epoch = s.now;
    const double e = sun.eccentricity;
    const double distance = kAstronomicalUnit * (1.0 - e * e) / (1.0 + e * std::cos(SolveKepler(sun.meanAnomaly, e)));
    s.shadowSine = kSunMinusEarthRadius / distance;
    s.shadowCosine = std::sqrt(1.0 - s.shadowSine * s.shadowSine);
}

double SunPosition(SatState& s, double t) {
    SunElements& sun = s.sun;
    const double m = (t - sun.epoch) * sun.meanMotion * kTwoPi + sun.meanAnomaly;
    const OrbitPoint p = PointInOrbit(kAstronomicalUnit, sun.eccentricity, m);
    sun.position = MakeOrbitFrame(std::cos(sun.inclination), std::sin(sun.inclination), 0.0, sun.argPerigee).InPlane(p.x, p.y);
    return p.radius;
}

bool IsEclipsed(SatState& s, double t) {
    const double sunDistance = SunPosition(s, t);
    const double r = s.radius;
    const double a = r * kInverseEarthRadius * s.shadowSine;
    const Vec3& x = s.position;
    const Vec3& sp = s.sun.position;
    const double b = (x.x * sp.x + x.y * sp.y + x.z * sp.z) / (r * sunDistance) * s.shadowCosine + a;
    if (b >= 0.0) return false;
    const double g = a - (std::sqrt(r * r - kEarthRadiusSquared) / r) * s.shadowCosine;
    return g > b;
}

}  // namespace tarvon
