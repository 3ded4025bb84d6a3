#include "orbit/NextEvent.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/TimeScales.h"
#include "orbit/PassSearch.h"
#include "orbit_helpers.h"

namespace tarvon {
namespace {
using testing::kAmateurFileTime;

class NextEventTest : public ::testing::Test {
protected:
    NextEventTest() {
        iss = testing::StateAt(amateur, "ISS (ZARYA)", kAmateurFileTime);
        // A pass found by the pass search, to check the single events against.
        SatState s = iss;
        s.now = DayNumberFromUnixTime(kAmateurFileTime + 7200);
        while (PassSearchStep(s, station, {}) != kPassStepFound) {
        }
        aos = UnixTimeFromDayNumber(s.aos);
        los = UnixTimeFromDayNumber(s.los);
    }
    SatState At(int32_t t) const {
        SatState s = iss;
        s.now = DayNumberFromUnixTime(t);
        s.searchState = 7;  // whatever the tracking list left there
        return s;
    }
    KepsDatabase amateur = testing::ImportedTwoLine("tle_amateur_2001-09.txt");
    ObserverGeo station = testing::Observer(48.1, -11.6, 520.0);
    SatState iss;
    int32_t aos = 0, los = 0;
    std::atomic<int> running{1};
};

TEST_F(NextEventTest, FindsTheNextAosOrLos) {
    struct Case { int32_t start; int32_t kind; int32_t time; };
    const Case cases[] = {
        {aos - 3000, kNextEventAos, aos},
        // Its search starts 10 seconds later, with the satellite already up.
        {aos - 5, kNextEventLos, los},
        {(aos + los) / 2, kNextEventLos, los},
        {los - 30, kNextEventLos, los},
    };
    for (const auto& c : cases) {
        const NextEvent e = FindNextEvent(At(c.start), station, running);
        EXPECT_EQ(std::tuple(e.found, e.kind, e.unixTime), std::tuple(true, c.kind, c.time)) << c.start - aos;
    }
}

TEST_F(NextEventTest, StopsWhenTheStationShutsDownOrNothingHappens) {
    running = 0;
    EXPECT_FALSE(FindNextEvent(At(aos - 3000), station, running).found);
    running = 1;
    const KepsDatabase bulletin = testing::ImportedTwoLine("tle_bbs_bulletin_2026-05.txt");
    SatState geo = testing::StateAt(bulletin, "QO-100", testing::kBulletinTime);
    EXPECT_FALSE(FindNextEvent(geo, station, running, 2.0).found);
}

}  // namespace
}  // namespace tarvon
