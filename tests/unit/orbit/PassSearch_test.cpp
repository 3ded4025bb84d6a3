#include "orbit/PassSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "core/TimeScales.h"
#include "orbit/NextEvent.h"
#include "orbit/OrbitConstants.h"
#include "orbit_helpers.h"

namespace tarvon {
namespace {
using namespace orbit;
using testing::kAmateurFileTime;
using testing::kBulletinTime;

struct Pass {
    int32_t aos, los;
    double maxElevation;
};

// Passes as the search reports them, from a start time over a number of days.
std::vector<Pass> SearchedPasses(SatState s, ObserverGeo o, int32_t from, double days,
                                 PassSearchSettings settings = {}) {
    std::vector<Pass> passes;
    s.now = DayNumberFromUnixTime(from);
    s.searchState = kSearchStart;
    const double end = s.now + days;
    for (int steps = 0; steps < 1000000; ++steps) {
        const int result = PassSearchStep(s, o, settings);
        if (result == kPassStepNoPass) break;
        if (result == kPassStepFound) {
            if (s.aos > end) break;
            passes.push_back({UnixTimeFromDayNumber(s.aos), UnixTimeFromDayNumber(s.los), s.searchElevation});
        }
    }
    return passes;
}

class PassSearchTest : public ::testing::Test {
protected:
    KepsDatabase amateur = testing::ImportedTwoLine("tle_amateur_2001-09.txt");
    ObserverGeo station = testing::Observer(48.1, -11.6, 520.0);  // 11.6 E
};

// Elevation at a whole Unix second, evaluated afresh.
double ElevationAt(SatState s, ObserverGeo o, int32_t t) {
    s.now = DayNumberFromUnixTime(t);
    return SampleElevation(s, EvaluateForSearch(s, o));
}

TEST_F(PassSearchTest, PassesOfTenDaysAgreeWithSampling) {
    // Ten days of steps add up rounding in the search time; every AOS and LOS
    // must still be the second at which the satellite crosses the horizon,
    // and no pass of more than the approach steps may be stepped over.
    for (const char* name : {"ISS (ZARYA)", "UO-22", "AO-40", "AO-10"}) {
        SCOPED_TRACE(name);
        const SatState s = testing::StateAt(amateur, name, kAmateurFileTime);
        const auto passes = SearchedPasses(s, station, kAmateurFileTime, 10.0);
        EXPECT_GE(passes.size(), 10u);
        int32_t down = kAmateurFileTime;
        for (const Pass& p : passes) {
            EXPECT_LT(ElevationAt(s, station, p.aos - 1), 0.0) << p.aos;
            EXPECT_GE(ElevationAt(s, station, p.aos), 0.0) << p.aos;
            EXPECT_GT(ElevationAt(s, station, p.los - 1), 0.0) << p.los;
            EXPECT_LE(ElevationAt(s, station, p.los), 0.0) << p.los;
            double highest = -kPi;
            for (int32_t t = p.aos; t < p.los; ++t) highest = std::max(highest, ElevationAt(s, station, t));
            // Near the zenith the elevation turns within seconds of the top.
            const double tolerance = (highest > 80.0 * kDegToRad ? 1.0 : 0.2) * kDegToRad;
            EXPECT_NEAR(p.maxElevation, highest, tolerance) << p.aos;
            // Up between two passes only within a pass shorter than 80 s.
            for (int32_t t = down; t < p.aos; t += 60) {
                if (ElevationAt(s, station, t) < 0.0) continue;
                EXPECT_LT(std::max(ElevationAt(s, station, t - 40), ElevationAt(s, station, t + 40)), 0.0) << t;
            }
            down = p.los;
        }
    }
}

TEST_F(PassSearchTest, StartingInsideAPassGivesThatPass) {
    const SatState s = testing::StateAt(amateur, "ISS (ZARYA)", kAmateurFileTime);
    const auto passes = SearchedPasses(s, station, kAmateurFileTime, 1.0);
    ASSERT_GE(passes.size(), 3u);
    const Pass& p = passes[1];
    // Mid-pass, a few seconds and 59 seconds before LOS, one second before.
    for (int32_t start : {(p.aos + p.los) / 2, p.los - 5, p.los - 59, p.los - 1, p.aos}) {
        SCOPED_TRACE(start - p.aos);
        const auto found = SearchedPasses(s, station, start, 0.0);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].aos, p.aos);
        EXPECT_EQ(found[0].los, p.los);
    }
}

TEST_F(PassSearchTest, GeostationarySatellitesEndTheSearch) {
    const KepsDatabase bulletin = testing::ImportedTwoLine("tle_bbs_bulletin_2026-05.txt");
    const SatState geo = testing::StateAt(bulletin, "QO-100", kBulletinTime);
    // QO-100 stands over 25.9 E: always up from Europe, never from Texas.
    for (ObserverGeo o : {station, testing::Observer(30.0, 97.0, 0.0)}) {
        SCOPED_TRACE(o.latitude);
        SatState s = geo;
        s.now = DayNumberFromUnixTime(kBulletinTime);
        PassSearchSettings settings;
        settings.giveUpDays = 3.0;
        int steps = 0, result = kPassStepSearching;
        while ((result = PassSearchStep(s, o, settings)) == kPassStepSearching && steps < 100000) ++steps;
        EXPECT_EQ(std::tuple(result, s.searchState), std::tuple(kPassStepNoPass, kSearchDone));
        EXPECT_LT(steps, 5000);
        // A finished search does nothing.
        const double now = s.now;
        EXPECT_EQ(PassSearchStep(s, o, settings), kPassStepSearching);
        EXPECT_EQ(s.now, now);
    }
}

// The next AOS or LOS alone, as the tracking list searches it, against a
// pass the search finds.
class NextEventTest : public PassSearchTest {
protected:
    NextEventTest() {
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
    SatState iss = testing::StateAt(amateur, "ISS (ZARYA)", kAmateurFileTime);
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
    SatState geo = testing::StateAt(bulletin, "QO-100", kBulletinTime);
    EXPECT_FALSE(FindNextEvent(geo, station, running, 2.0).found);
}

TEST(PassSearchOverhead, SweepThroughTheStopSideNeedsOverhead) {
    struct Case { double aos, max, los; bool stopSouth; bool overhead; };
    const Case cases[] = {
        {300, 0, 60, false, true},     // north stop, through north
        {300, 359, 60, false, true},
        {300, 180, 60, false, false},  // north stop, through south
        {60, 180, 300, true, true},    // south stop, through south
        {300, 180, 60, true, true},
        {60, 0, 300, true, false},
        {60, 359, 300, false, true},
        {60, 120, 170, true, false},   // both on one side
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NeedsOverhead(c.aos * kDegToRad, c.max * kDegToRad, c.los * kDegToRad, c.stopSouth), c.overhead)
            << c.aos << " " << c.max << " " << c.los << " south=" << c.stopSouth;
    }
}

}  // namespace
}  // namespace tarvon
