#include "orbit/PassListing.h"

#include "core/TimeScales.h"
#include "orbit/OrbitConstants.h"

namespace tarvon {

FoundPass FoundPassOf(const SatState& s) {
    const PassPrediction found = PassPredictionOf(s);
    FoundPass p;
    p.aos = UnixTimeFromDayNumber(found.aos);
    p.los = UnixTimeFromDayNumber(found.los);
    p.maxElevationDeg = static_cast<int32_t>(found.maxElevation * orbit::kRadToDeg);
    p.overhead = found.overhead;
    return p;
}

int64_t ListPasses(SatState& s, ObserverGeo& o, int32_t start, int32_t horizon, const PassSearchSettings& settings,
                   const std::function<void(const FoundPass&)>& onPass) {
    s.now = DayNumberFromUnixTime(start);
    s.searchState = kSearchStart;
    int64_t evaluations = 0;
    for (;;) {
        const int result = PassSearchStep(s, o, settings);
        ++evaluations;
        if (result == kPassStepNoPass) break;
        if (result != kPassStepFound) continue;
        const FoundPass pass = FoundPassOf(s);
        if (pass.aos > horizon) break;
        onPass(pass);
    }
    return evaluations;
}

}  // namespace tarvon
