#include "orbit/NextEvent.h"

#include "core/TimeScales.h"
#include "orbit/PassSearch.h"

namespace tarvon {
using namespace step;

NextEvent FindNextEvent(const SatState& state, const ObserverGeo& observer, const std::atomic<int>& running,
                        double giveUpDays) {
    SatState c = state;
    ObserverGeo o = observer;
    c.now += kTenSeconds;
    c.sunTime = 0.0;
    c.searchStart = c.now;
    // Only the start differs from a pass search: inside a pass the next event
    // is its LOS ahead, not its AOS behind. From there on the pass search's
    // own steps find the crossing, and the first one it finds is the event.
    c.searchElevation = SampleElevation(c, EvaluateForSearch(c, o));
    c.searchState = c.searchElevation > 0.0 ? kSearchDescending : kSearchBelowHorizon;
    c.now += kOneMinute;
    PassSearchSettings settings;
    settings.giveUpDays = giveUpDays;
    while (running.load()) {
        const int32_t before = c.searchState;
        const int result = PassSearchStep(c, o, settings);
        if (result == kPassStepFound) return {true, kNextEventLos, UnixTimeFromDayNumber(c.los)};
        if (result == kPassStepNoPass) break;
        if (before == kSearchAosBack && c.searchState != kSearchAosBack) {
            return {true, kNextEventAos, UnixTimeFromDayNumber(c.aos)};
        }
    }
    return {};
}

void ApplyNextEvent(SatState& state, const NextEvent& event) {
    state.searchState = event.kind;
    state.nextEventTime = event.unixTime;
}

}  // namespace tarvon
