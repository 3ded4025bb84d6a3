#include "schedule/ScheduleListing.h"

#include <gtest/gtest.h>

#include <tuple>

#include "Schedule_helpers.h"
#include "passrun/ScheduledEvents.h"

namespace tarvon {
namespace {

PassRef Pass(const char* name, int32_t aos, int32_t los, int32_t priority, int32_t state, int32_t elevationOk,
             int32_t maxElevation = 45) {
    return std::make_shared<SchedulePass>(SchedulePass{.satName = name, .aos = aos, .los = los,
                                                       .maxElevation = maxElevation, .priority = priority,
                                                       .state = state, .elevationOk = elevationOk});
}

const ListingFormat kUtc{"%d-%m-%y %H:%M:%S", true, 0};

TEST(ScheduleListingTest, PassLineTextsAndColours) {
    const int32_t aos = 1798761600;  // 2027-01-01 00:00:00
    PassRef regardless = Pass("FO-29", aos, aos + 60, 2, 0, 0);
    regardless->runRegardlessOfElevation = 1;  // counts as runnable
    const ListingFormat local{"%d-%m-%y %H:%M:%S", false, -7200};
    const struct {
        PassRef pass;
        int32_t now;
        const char* text;
        uint32_t rgb;
        ListingFormat format = kUtc;
    } cases[] = {
        {Pass("ISS", aos, aos + 600, 3, 0, 1, 67), aos - 1,
         "ISS           3 67 01-01-27 00:00:00  01-01-27 00:10:00", 0x000000},
        {Pass("ISS", aos, aos + 600, 3, 0, 1), aos, "ISS           3 45 01-01-27 00:00:00  01-01-27 00:10:00",
         0xFF0000},
        {Pass("AO-91", aos, aos + 60, 0, 0, 1, 5), aos - 1,
         "AO-91         M  5 01-01-27 00:00:00  01-01-27 00:01:00", 0x000000},
        {Pass("SO-50", aos, aos + 60, 12, 1, 1), aos - 1,
         "SO-50           45 01-01-27 00:00:00  01-01-27 00:01:00", 0x808080},
        {Pass("SO-50", aos, aos + 60, 12, 0, 0), aos + 5,
         "SO-50        12 45 01-01-27 00:00:00  01-01-27 00:01:00", 0xC00000},
        {regardless, aos - 1, "FO-29         2 45 01-01-27 00:00:00  01-01-27 00:01:00", 0x000000},
        {Pass("ISS", 0, 600, 1, 0, 1), 0, "ISS           1 45 01-01-70 02:00:00  01-01-70 02:10:00", 0xFF0000, local},
    };
    for (const auto& c : cases) {
        PassList passes{c.pass};
        auto lines = BuildScheduleListing(passes, {}, c.now, c.format);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(std::tuple(lines[0].text, lines[0].rgb), std::tuple(c.text, c.rgb));
    }
}

TEST(ScheduleListingTest, MergesEventsAndPassesInTimeOrderSkippingHiddenAndEnded) {
    ScheduleEvent early{"Fetch keps", "", 2, 0, 1, 0, 900};
    ScheduleEvent hidden{"Hidden", "", 2, 0, 0, 0, 1500};
    ScheduleEvent tie{"At AOS", "", 2, 0, 1, 0, 2000};
    ScheduleEvent late{"Late", "", 2, 0, 1, 0, 9000};
    std::vector<ScheduleEvent*> timers{&early, &hidden, &tie, &late};
    PassList passes{Pass("OLD", 100, 999, 1, 0, 1), Pass("A", 2000, 2600, 1, 0, 1), Pass("B", 5000, 5600, 1, 0, 1)};
    auto lines = BuildScheduleListing(passes, timers, 1000, kUtc);
    std::vector<std::string> names;
    for (const auto& l : lines) names.push_back(l.text.substr(0, l.text.find(' ')));
    EXPECT_EQ(names, (std::vector<std::string>{"Fetch", "At", "A", "B", "Late"}));
    // The name fills 25 columns, then 13 blanks before the time.
    EXPECT_EQ(lines[0].text, "Fetch keps" + std::string(15 + 13, ' ') + "01-01-70 00:15:00");
}

TEST(ScheduleListingTest, PrintoutSeparatesDaysAndIgnoresStatus) {
    const int32_t day = 1798761600;  // 2027-01-01 00:00:00
    PassRef ended = Pass("OLD", day - 900, day - 300, 100, 0, 1);    // the day before; priority 100: blank
    PassRef display = Pass("SO-50", day + 600, day + 1200, 12, 1, 0);  // display only: still its number
    PassRef manual = Pass("ISS", day + 3600, day + 4200, 0, 0, 1);
    PassRef third = Pass("FO-29", 2 * 86400 + day - 100, 2 * 86400 + day + 500, 7, 0, 1);
    auto lines = SchedulePrintLines(PassList{ended, display, manual, third}, kUtc);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "OLD             45 31-12-26 23:45:00  31-12-26 23:55:00",
                         " ",
                         "SO-50        12 45 01-01-27 00:10:00  01-01-27 00:20:00",
                         "ISS           0 45 01-01-27 01:00:00  01-01-27 01:10:00",
                         " ",
                         "FO-29         7 45 02-01-27 23:58:20  03-01-27 00:08:20",
                     }));
    // Local midnight separates the days when local time is shown.
    auto local = SchedulePrintLines(PassList{display, manual}, ListingFormat{"%d-%m-%y %H:%M:%S", false, 1800});
    EXPECT_EQ(local.size(), 3u);
}

}  // namespace
}  // namespace tarvon
