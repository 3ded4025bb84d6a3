#include "orbit/NextEvent.h"

#include <cmath>

#include "core/TimeScales.h"
#include "orbit/PassSearch.h"

namespace tarvon {
using namespace step;

NextEvent FindNextEvent(const SatState& state, const ObserverGeo& observer, const std::atomic<int>& running,
                        double giveUpDays) {
    SatState c = state;
    ObserverGeo o = observer;
    c.now += kTenSeconds;
    c.searchState = kSearchStart;
    c.sunTime = 0.0;
    const double start = c.now;
    NextEvent event;
    while (running.load() && std::fabs(c.now - start) <= giveUpDays) {
        EvaluateForSearch(c, o);
        const double el = c.elevation;
        switch (c.searchState) {
        case kSearchStart:
            c.now += kOneMinute;
            c.searchElevation = el;
            c.searchState = el > 0.0 ? kSearchDescending : kSearchBelowHorizon;
            break;
        case kSearchBelowHorizon:
            if (el > 0.0) {
                c.now -= kOneSecond;
                c.searchState = kSearchAosBack;
            } else {
                c.now += ApproachStep(el, c.searchElevation);
                c.searchElevation = el;
            }
            break;
        case kSearchDescending:
            if (el >= 0.0) {
                c.now += kOneMinute;
            } else {
                c.now -= kOneSecond;
                c.searchState = kSearchLosBack;
            }
            break;
        case kSearchAosBack:
            if (el >= 0.0) {
                c.now -= kOneSecond;
            } else {
                event = {true, kNextEventAos, UnixTimeFromDayNumber(c.now + kOneSecond)};
                return event;
            }
            break;
        case kSearchLosBack:
            if (el <= 0.0) {
                c.now -= kOneSecond;
            } else {
                event = {true, kNextEventLos, UnixTimeFromDayNumber(c.now + kOneSecond)};
                return event;
            }
            break;
        }
    }
    return event;
}

void ApplyNextEvent(SatState& state, const NextEvent& event) {
    state.searchState = event.kind;
    state.nextEventTime = event.unixTime;
}

std::thread StartNextEventThread(const SatState& state, const ObserverGeo& observer, const std::atomic<int>& running,
                                 std::function<void(const NextEvent&)> deliver) {
    return std::thread([copy = state, obs = observer, &running, deliver = std::move(deliver)]() noexcept {
        try {
            const NextEvent event = FindNextEvent(copy, obs, running);
            if (event.found) deliver(event);
        } catch (...) {
            // Nothing may leave a thread entry; the tracking list keeps its
            // previous event time.
        }
    });
}

}  // namespace tarvon
