#include "orbit/Propagation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/TimeScales.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Sun.h"
#include "orbit_helpers.h"

namespace tarvon {
namespace {
using namespace orbit;
using testing::kAmateurFileTime;

KepsRecord Elements(double meanMotion, double eccentricity, double inclination) {
    return {.catalogNumber = 1, .epochDay = 265.0, .inclination = inclination, .raan = 40.0,
            .eccentricity = eccentricity, .argPerigee = 70.0, .meanAnomaly = 10.0, .meanMotion = meanMotion,
            .beaconMhz = 145.0, .epochYear = 1};
}

TEST(SolveKepler, SatisfiesKeplersEquation) {
    for (double e : {0.0, 0.001, 0.1, 0.6023330, 0.797}) {
        for (double m = 0.0; m < kTwoPi; m += 0.37) {
            const double nu = SolveKepler(m, e);
            ASSERT_GE(nu, 0.0);
            ASSERT_LT(nu, kTwoPi);
            // Back from the true to the eccentric and the mean anomaly.
            const double E = 2.0 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
            double back = E - e * std::sin(E);
            if (back < 0) back += kTwoPi;
            EXPECT_NEAR(back, m, 1e-5) << "e=" << e << " M=" << m;
            if (e == 0.0) {
                EXPECT_NEAR(nu, m, 1e-12);
            }
        }
    }
}

TEST(SolveKepler, InputThatIsNoEllipseEndsInNotANumber) {
    // Garbage from an element file must neither hang the caller nor pass for
    // an anomaly.
    EXPECT_TRUE(std::isnan(SolveKepler(1.0, 1.5)));
    EXPECT_TRUE(std::isnan(SolveKepler(1.0, NAN)));
    EXPECT_TRUE(std::isnan(SolveKepler(NAN, 0.1)));
}

TEST(Propagation, J2RatesFollowInclination) {
    struct Case { double inclination; int nodeSign; int perigeeSign; };
    const Case cases[] = {{0.0, 1, 1}, {63.0, 1, 1}, {63.8, 1, -1}, {90.0, 0, -1}, {98.0, -1, -1}};
    for (const auto& c : cases) {
        SatState s;
        InitSatState(Elements(14.0, 0.001, c.inclination), s, 37000.0);
        auto sign = [](double v) { return std::fabs(v) < 1e-12 ? 0 : (v > 0 ? 1 : -1); };
        EXPECT_EQ(sign(s.nodeRate), c.nodeSign) << c.inclination;
        EXPECT_EQ(sign(s.perigeeRate), c.perigeeSign) << c.inclination;
    }
    // A sun-synchronous orbit regresses about 0.9856 degrees a day (eastward).
    SatState sso;
    InitSatState(Elements(14.57, 0.001, 98.6), sso, 37000.0);
    EXPECT_NEAR(-sso.nodeRate * kRadToDeg, 0.9856, 0.05);
}

TEST(Propagation, PhaseRunsOnceAroundPerOrbit) {
    SatState s;
    InitSatState(Elements(15.0, 0.0005, 51.6), s, 37000.0);
    double previous = -1.0;
    int wraps = 0;
    for (int minute = 0; minute <= 1440; ++minute) {
        PropagateSat(s, s.epoch + minute / 1440.0);
        ASSERT_GE(s.phase, 0.0);
        ASSERT_LT(s.phase, 256.0);
        if (s.phase < previous) ++wraps;
        previous = s.phase;
    }
    EXPECT_EQ(wraps, 15);
}

TEST(Propagation, InitAndRefresh) {
    KepsRecord k = Elements(14.0, 0.001, 98.0);
    k.beaconMhz = 145.825;
    SatState s;
    InitSatState(k, s, 37001.25);
    EXPECT_EQ(std::tuple(s.aos, s.searchState, s.beaconFrequency), std::tuple(-1.0, -1, 145825000.0));
    EXPECT_EQ(s.epoch, DayNumberFromYearDay(1, 265));
    s.searchState = 3;
    k.beaconMhz = 40000.0;  // above 30 GHz counts as none
    RefreshSatState(s, k, 1.0);
    EXPECT_EQ(std::tuple(s.searchState, s.now, s.beaconFrequency), std::tuple(3, 37001.25, 0.0));
}

TEST(ObserverGeometry, SubSatellitePointStaysInRange) {
    const KepsDatabase db = testing::ImportedTwoLine("tle_amateur_2001-09.txt");
    SatState s = testing::StateAt(db, "ISS (ZARYA)", kAmateurFileTime);
    for (double dt = -20.0; dt <= 20.0; dt += 0.37) {
        PropagateSat(s, s.epoch + dt);
        SubSatellitePoint(s, s.epoch + dt);
        ASSERT_GE(s.subLongitude, 0.0);
        ASSERT_LT(s.subLongitude, kTwoPi);
        // The station of 2001 flew 51.6 degrees inclined at 370-410 km.
        ASSERT_LE(std::fabs(s.subLatitude), 51.7 * kDegToRad);
        ASSERT_GT(s.height, 340.0);
        ASSERT_LT(s.height, 430.0);
    }
}

// The point `km` away from the observer along a unit vector.
Vec3 Along(const ObserverGeo& o, const Vec3& unit, double km) {
    return {o.position.x + km * unit.x, o.position.y + km * unit.y, o.position.z + km * unit.z};
}

TEST(ObserverGeometry, ZenithAndHorizon) {
    SatState s;
    InitSatState(Elements(14.0, 0.0, 98.0), s, 37000.0);
    ObserverGeo o = testing::Observer(48.0, -11.0, 500.0);
    SetupObserver(o, s);
    // Straight up, due east on the horizon, due north on the horizon.
    struct Case { Vec3 unit; double elevation, azimuth; };
    const Case cases[] = {{o.up, kPi / 2, NAN}, {o.east, 0.0, kPi / 2}, {{-o.south.x, -o.south.y, -o.south.z}, 0.0, 0.0}};
    for (const Case& c : cases) {
        s.position = Along(o, c.unit, 800.0);
        ComputeLookAngles(s, o);
        EXPECT_NEAR(s.elevation, c.elevation, 1e-6);
        if (!std::isnan(c.azimuth)) {
            EXPECT_NEAR(std::fmod(s.azimuth, kTwoPi), c.azimuth, 1e-9);
        }
    }
    // The geodetic vertical points to the observer's own latitude.
    EXPECT_NEAR(std::asin(o.up.z), 48.0 * kDegToRad, 1e-4);
}

TEST(ObserverGeometry, RangeRateAndSquint) {
    SatState s;
    InitSatState(Elements(14.0, 0.0, 98.0), s, 37000.0);
    ObserverGeo o = testing::Observer(0.0, 0.0, 0.0);
    SetupObserver(o, s);
    s.position = Along(o, o.up, 1000.0);
    s.velocity = {o.velocityX + 2.0 * o.up.x, o.velocityY + 2.0 * o.up.y, 2.0 * o.up.z};
    s.antennaAxis = {-o.up.x, -o.up.y, -o.up.z};  // pointing down at us
    RangeRateAndSquint(s, o);
    EXPECT_NEAR(s.range, 1000.0, 1e-9);
    EXPECT_NEAR(o.rangeRate, 2.0, 1e-9);
    EXPECT_EQ(o.squint, 0);
    s.antennaAxis = o.east;
    RangeRateAndSquint(s, o);
    EXPECT_EQ(o.squint, 90);
    EXPECT_NEAR(DopplerShift(o.rangeRate, 437.0e6), -2.0 / 299792.0 * 437.0e6, 1e-6);
}

TEST(Sun, ShadowBehindTheEarthOnly) {
    const KepsDatabase db = testing::ImportedTwoLine("tle_amateur_2001-09.txt");
    SatState s = testing::StateAt(db, "ISS (ZARYA)", kAmateurFileTime);
    UpdateSun(s);
    EXPECT_NEAR(s.shadowSine, 688621.84 / 1.5e8, 2e-5);
    PropagateSat(s, s.now);
    IsEclipsed(s, s.now);
    const Vec3 sun = s.sun.position;
    const double d = std::sqrt(sun.x * sun.x + sun.y * sun.y + sun.z * sun.z);
    EXPECT_NEAR(d, 1.5e8, 0.02e8);
    // Near the September equinox the Sun stands near the equator.
    EXPECT_NEAR(sun.z / d, 0.0, 0.03);
    for (double sign : {-1.0, 1.0}) {
        s.radius = 6778.0;
        s.position = {sign * sun.x / d * s.radius, sign * sun.y / d * s.radius, sign * sun.z / d * s.radius};
        EXPECT_EQ(IsEclipsed(s, s.now), sign < 0) << sign;
    }
    // Over the terminator, high enough to see past the Earth: sunlit.
    s.radius = 42164.0;
    s.position = {-sun.y / d * s.radius, sun.x / d * s.radius, 0.0};
    EXPECT_FALSE(IsEclipsed(s, s.now));
}

}  // namespace
}  // namespace tarvon
