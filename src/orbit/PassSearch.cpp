#include "orbit/PassSearch.h"

#include <cmath>

#include "orbit/ObserverGeometry.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Propagation.h"
#include "orbit/Sun.h"

namespace tarvon {
using namespace step;

PassSearchSettings PassSettingsFromRotator(const GeneralSettings& general) {
    PassSearchSettings settings;
    settings.flip = general.flip != 0;
    settings.stopSouth = general.stopPosition != 0;
    return settings;
}

double ApproachStep(double elevation, double previousElevation) {
    if (elevation < previousElevation) return kApproachFalling;
    if (elevation < -1.0) return kApproachFarther;
    if (elevation < -0.5) return kApproachFar;
    if (elevation < -0.2) return kApproachMid;
    return kApproachNear;
}

SearchSample EvaluateForSearch(SatState& s, ObserverGeo& o) {
    if (s.now - s.sunTime > orbit::kSunRecomputeDays) {
        s.sunTime = s.now;
        UpdateSun(s);
    }
    PropagateSat(s, s.now);
    SetupObserver(o, s);
    // The sub-satellite point plays no part in finding a pass, and nobody
    // reads it from a search state.
    const Topocentric t = TopocentricOf(s, o);
    return {TangentOfElevation(t), t.south, t.east};
}

double SampleElevation(SatState& s, const SearchSample& sample) {
    s.elevation = std::atan(sample.tanElevation);
    return s.elevation;
}

double SampleAzimuth(SatState& s, const SearchSample& sample) {
    s.azimuth = AzimuthOf({sample.south, sample.east, 0.0});
    return s.azimuth;
}

bool NeedsOverhead(double a, double m, double l, bool stopSouth) {
    constexpr double pi = orbit::kPi;
    if (a < pi && l >= pi) return stopSouth ? (a < m && m < l) : (m < a || m > l);
    if (a >= pi && l < pi) return stopSouth ? (l < m && m < a) : (m > a || m < l);
    return false;
}

PassPrediction PassPredictionOf(const SatState& s) {
    return {s.aos, s.los, s.searchElevation, s.aosAzimuth, s.maxAzimuth, s.azimuth, s.overhead};
}

namespace {

int GiveUp(SatState& s) {
    s.searchState = kSearchDone;
    return kPassStepNoPass;
}

}  // namespace

int PassSearchStep(SatState& s, ObserverGeo& o, const PassSearchSettings& settings) {
    if (s.searchState < kSearchStart || s.searchState > kSearchProbeBack) return kPassStepSearching;
    if (s.searchState == kSearchStart) {
        s.searchStart = s.now;
    } else if (s.now - s.searchStart > settings.giveUpDays ||
               s.searchStart - s.now > kLongestPassDays + kOneMinute) {
        return GiveUp(s);
    }
    const SearchSample x = EvaluateForSearch(s, o);
    const double above = x.tanElevation;  // compared with 0 only
    switch (s.searchState) {
    case kSearchStart: {
        const double el = SampleElevation(s, x);
        s.searchElevation = el;
        if (el > 0.0) {
            // Inside a pass: its AOS lies behind us, and stepping ahead first
            // could jump past its LOS.
            s.now -= kOneMinute;
            s.searchState = kSearchProbeBack;
        } else {
            s.now += kOneMinute;
            s.searchState = kSearchBelowHorizon;
        }
        break;
    }
    case kSearchProbeBack:
        if (above < 0.0) {
            s.now = s.searchStart - kOneSecond;
            s.searchState = kSearchAosBack;
        } else if (s.searchStart - s.now >= kLongestPassDays) {
            return GiveUp(s);
        } else {
            s.now -= kOneMinute;
        }
        break;
    case kSearchBelowHorizon:
        if (above > 0.0) {
            s.now -= kOneSecond;
            s.searchState = kSearchAosBack;
        } else {
            const double el = SampleElevation(s, x);
            s.now += ApproachStep(el, s.searchElevation);
            s.searchElevation = el;
        }
        break;
    case kSearchAosBack:
        if (above >= 0.0) {
            s.now -= kOneSecond;
        } else {
            s.aos = s.now + kOneSecond;
            s.aosAzimuth = SampleAzimuth(s, x);
            s.searchElevation = SampleElevation(s, x);
            s.now += kApproachMid;
            s.searchState = kSearchClimbing;
        }
        break;
    case kSearchClimbing: {
        const double el = SampleElevation(s, x);
        if (el >= s.searchElevation) {
            s.now += kApproachNear;
        } else {
            s.now -= kFiveSeconds;
            s.searchState = kSearchMaximumBack;
        }
        s.searchElevation = el;
        break;
    }
    case kSearchMaximumBack: {
        const double el = SampleElevation(s, x);
        if (s.aos > s.now || s.searchElevation > el) {
            s.maxAzimuth = SampleAzimuth(s, x);
            s.now += kApproachMid;
            s.searchState = kSearchDescending;
        } else {
            s.now -= kFiveSeconds;
            s.searchElevation = el;
        }
        break;
    }
    case kSearchDescending:
        if (above >= 0.0) {
            s.now += kOneMinute;
        } else {
            s.now -= kOneSecond;
            s.searchState = kSearchLosBack;
        }
        break;
    case kSearchLosBack:
        if (above <= 0.0) {
            s.now -= kOneSecond;
        } else {
            s.los = s.now + kOneSecond;
            s.overhead = 0;
            s.now += kOneMinute;
            const double losAzimuth = SampleAzimuth(s, x);
            if (settings.flip && NeedsOverhead(s.aosAzimuth, s.maxAzimuth, losAzimuth, settings.stopSouth)) {
                s.overhead = 1;
            }
            s.searchState = kSearchStart;
            return kPassStepFound;
        }
        break;
    }
    return kPassStepSearching;
}

}  // namespace tarvon
