#include "schedule/PassInsertion.h"

#include <gtest/gtest.h>

#include <tuple>

#include "Schedule_helpers.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kDay = 1700006400;  // a midnight, UTC

TEST(PassInsertion, HourWindows) {
    struct Case {
        uint32_t limit, start, stop, listen, listenStart, listenStop;
        int32_t aosSecondsOfDay;
        int32_t state, listenOnly;
        int32_t listenOnlyBefore = 0;
    };
    const Case cases[] = {
        {1, 22, 6, 0, 0, 0, 23 * 3600 + 1800, 0, 0},  // inside a window that wraps midnight
        {1, 22, 6, 0, 0, 0, 6 * 3600, 1, 0},          // outside it from the stop hour on
        {1, 8, 8, 0, 0, 0, 8 * 3600, 1, 0},           // equal hours: every hour outside
        {0, 8, 8, 0, 0, 0, 3 * 3600, 0, 0},           // no limit
        {0, 0, 0, 1, 5, 5, 5 * 3600, 0, 0},           // equal listen hours: never listen-only
        {0, 0, 0, 1, 1, 3, 2 * 3600 + 59, 0, 1},
        {0, 0, 0, 1, 1, 3, 3 * 3600, 0, 0},
        {0, 0, 0, 1, 20, 2, 1 * 3600, 0, 1},          // listen window past midnight
        {0, 0, 0, 0, 0, 0, 0, 0, 1, 1},               // listen-only is never cleared
    };
    for (const Case& c : cases) {
        const StationConfig station{"", 0, 0, 0, c.limit, c.start, c.stop, c.listen, c.listenStart, c.listenStop};
        SchedulePass pass;
        pass.aos = kDay + c.aosSecondsOfDay;
        pass.listenOnly = c.listenOnlyBefore;
        ApplyHourWindows(pass, station);
        EXPECT_EQ(std::tuple(pass.state, pass.listenOnly), std::tuple(c.state, c.listenOnly)) << c.aosSecondsOfDay;
    }
}

TEST(PassInsertion, DuplicateRule) {
    struct Case {
        int32_t firstAos, secondAos;
        std::string secondName;
        int32_t secondPriority;
        size_t listed;
        bool otherBetween = false;  // another satellite's pass between the two
    };
    const Case cases[] = {
        {1000, 1059, "A", 50, 1}, {1000, 1060, "A", 50, 2}, {1059, 1000, "A", 50, 1},
        {1060, 1000, "A", 50, 2}, {1000, 1000, "A", 50, 1}, {1000, 1010, "a", 50, 2},
        {1000, 1010, "B", 50, 2}, {1000, 1010, "A", 0, 2},  {1000, 1030, "A", 50, 1, true},
        {1030, 1000, "A", 50, 1, true},
    };
    for (const Case& c : cases) {
        PassList list;
        ASSERT_TRUE(InsertSorted(list, NewPass("A", c.firstAos, c.firstAos + 600)));
        if (c.otherBetween) InsertSorted(list, NewPass("C", 1015, 1615));
        InsertSorted(list, NewPass(c.secondName, c.secondAos, c.secondAos + 600, c.secondPriority));
        EXPECT_EQ(list.size(), c.listed + c.otherBetween) << c.firstAos << " " << c.secondAos << " " << c.secondName;
    }
}

TEST(PassInsertion, EqualAosKeepArrivalOrderAndManualPassesGoInAsTheyAre) {
    PassList list;
    auto first = NewPass("A", 1000, 1600);
    auto second = NewPass("B", 1000, 1600);
    auto manual = NewPass("A", 1000, 1600, 0);
    auto early = NewPass("C", 10, 610);
    for (auto& p : {first, second, manual, early}) InsertSorted(list, p);
    EXPECT_EQ(std::vector<PassRef>(list.begin(), list.end()), (std::vector<PassRef>{early, first, second, manual}));
}

TEST(PassInsertion, NotifiedWhenInsertedWithinTenSecondsOfAos) {
    TestStation station(1000);
    auto late = NewPass("A", 1010, 1610);
    auto early = NewPass("B", 1011, 1611);
    late->lastRunEnd = 77;
    InsertPass(station.state, late);
    InsertPass(station.state, early);
    EXPECT_EQ(std::tuple(late->notified, early->notified, late->lastRunEnd), std::tuple(1, 0, 0));
}

}  // namespace
}  // namespace tarvon::testing
