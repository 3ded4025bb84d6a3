#pragma once
// The numbers of the orbit model, exactly as the predictions were tuned with.
namespace tarvon::orbit {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;

constexpr double kEarthRadius = 6378.16;
constexpr double kEarthRadiusSquared = 40680924.985599995;
constexpr double kInverseEarthRadius = 0.00015678502891115933;
constexpr double kEccentricitySquared = 0.006694541854587637;
constexpr double kOneMinusEccentricitySquared = 0.9933054581454123;
constexpr double kLatitudeFactor = 1.0000112420102683;
constexpr double kGm = 398600.0;
constexpr double kEarthRotationRate = 7.292115854937194e-5;
constexpr double kSiderealRatio = 1.0027379093;
constexpr double kKeplerTolerance = 4.84813681109536e-6;
constexpr double kSemiMajorAxisFactor = 331.25;
constexpr double kNodeRegressionCoefficient = 0.17366026057343578;
constexpr double kPerigeeRotationCoefficient = 0.08674286382411818;
constexpr double kAstronomicalUnit = 149598845.0;
constexpr double kSunMinusEarthRadius = 688621.84;
constexpr double kPhaseScale = 40.74366543152521;
constexpr double kSpeedOfLight = 299792.0;
constexpr double kDopplerFactor = -3.3356460479265623e-6;
constexpr double kCenturiesPerDay = 2.7378507871321012e-5;
constexpr double kSunRecomputeDays = 0.025;

}  // namespace tarvon::orbit
