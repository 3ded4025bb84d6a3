#pragma once
// The step-by-step search for the next pass of a satellite over an observer.
// Each call makes one evaluation and moves the state's `now`; the caller owns
// the loop. After a pass the state is ready to search on for the next one.
#include "core/Settings.h"
#include "orbit/SatState.h"

namespace tarvon {

// Search states kept in SatState::searchState.
enum PassSearchState : int32_t {
    kSearchDone = -2,  // nothing more to search; steps do nothing
    kSearchStart = -1,
    kSearchBelowHorizon = 0,
    kSearchDescending = 1,
    kSearchAosBack = 2,
    kSearchLosBack = 3,
    kSearchClimbing = 4,
    kSearchMaximumBack = 5,
    // Started inside a pass: minute steps back to a time below the horizon,
    // so that the second-by-second walk to the AOS is known to end.
    kSearchProbeBack = 6,
};

enum PassStepResult : int {
    kPassStepNoPass = -1,  // the search gave up; the state is kSearchDone
    kPassStepSearching = 0,
    kPassStepFound = 1,
};

struct PassSearchSettings {
    bool flip = false;       // rotator "Enable flip mode"
    bool stopSouth = true;   // rotator stop position
    // A satellite that shows no complete pass within this many days of the
    // search's start is given up.
    double giveUpDays = 30.0;
};

PassSearchSettings PassSettingsFromRotator(const GeneralSettings& general);

namespace step {
constexpr double kOneSecond = 1.1574074074074073e-5;
constexpr double kFiveSeconds = 5.787037037037037e-5;
constexpr double kTenSeconds = 0.00011574074074074075;
constexpr double kOneMinute = 0.0006944444444444444;
constexpr double kApproachNear = 0.0009027777777777778;   // 1.3 minutes
constexpr double kApproachMid = 0.0022916666666666667;    // 3.3 minutes
constexpr double kApproachFar = 0.007847222222222222;     // 11.3 minutes
constexpr double kApproachFarther = 0.016875;             // 24.3 minutes
constexpr double kApproachFalling = 0.024513888888888887; // 35.3 minutes
// No real pass above a horizon lasts longer; a satellite up for a whole day
// of minute steps back (a geostationary one in view) has no AOS to find.
constexpr double kLongestPassDays = 1.0;
}  // namespace step

// The step below the horizon, from the elevation now and at the last step.
double ApproachStep(double elevation, double previousElevation);

// One evaluation of a search at s.now: the Sun when due, the satellite and
// the observer. Elevation and azimuth cost an arc tangent each, so they are
// taken from the sample only where a step uses them; most steps only ask on
// which side of the horizon the satellite is, which the tangent tells alike.
struct SearchSample {
    double tanElevation;  // the same sign as the elevation (NaN alike)
    double south, east;   // topocentric components, km
};
SearchSample EvaluateForSearch(SatState& s, ObserverGeo& o);
// Sets s.elevation and s.azimuth from the sample, bit for bit as
// ComputeLookAngles does.
double SampleElevation(SatState& s, const SearchSample& sample);
double SampleAzimuth(SatState& s, const SearchSample& sample);

int PassSearchStep(SatState& s, ObserverGeo& o, const PassSearchSettings& settings);

// What a completed search leaves in the state, by name.
struct PassPrediction {
    double aos = 0.0;           // day number, first second not below the horizon
    double los = 0.0;           // day number, first second not above it afterwards
    double maxElevation = 0.0;  // rad, to 5 seconds
    double aosAzimuth = 0.0;    // rad
    double maxAzimuth = 0.0;    // rad, 5 seconds before the maximum
    double losAzimuth = 0.0;    // rad, one second before LOS
    int32_t overhead = 0;
};
// Right after PassSearchStep returned kPassStepFound.
PassPrediction PassPredictionOf(const SatState& s);

// Whether the pass from AOS azimuth to LOS azimuth through the maximum
// azimuth must be tracked in the rotator's overhead mode.
bool NeedsOverhead(double aosAzimuth, double maxAzimuth, double losAzimuth, bool stopSouth);

}  // namespace tarvon
