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
    while (running.load() && std::fabs(c.now - start) <= giveUpDays) {
        const SearchSample x = EvaluateForSearch(c, o);
        const double above = x.tanElevation;  // compared with 0 only
        switch (c.searchState) {
        case kSearchStart:
            c.now += kOneMinute;
            c.searchElevation = SampleElevation(c, x);
            c.searchState = above > 0.0 ? kSearchDescending : kSearchBelowHorizon;
            break;
        case kSearchBelowHorizon:
            if (above > 0.0) {
                c.now -= kOneSecond;
                c.searchState = kSearchAosBack;
            } else {
                const double el = SampleElevation(c, x);
                c.now += ApproachStep(el, c.searchElevation);
                c.searchElevation = el;
            }
            break;
        case kSearchDescending:
            if (above >= 0.0) {
                c.now += kOneMinute;
            } else {
                c.now -= kOneSecond;
                c.searchState = kSearchLosBack;
            }
            break;
        case kSearchAosBack:
            if (above >= 0.0) {
                c.now -= kOneSecond;
            } else {
                return {true, kNextEventAos, UnixTimeFromDayNumber(c.now + kOneSecond)};
            }
            break;
        case kSearchLosBack:
            if (above <= 0.0) {
                c.now -= kOneSecond;
            } else {
                return {true, kNextEventLos, UnixTimeFromDayNumber(c.now + kOneSecond)};
            }
            break;
        }
    }
    return {};
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
