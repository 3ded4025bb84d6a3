#include "passrun/ScheduledEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Passrun_helpers.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kDay = 86400;
constexpr int32_t kWednesday = 1796169600;  // 2026-12-02 00:00 UTC
constexpr int32_t kFriday = kWednesday + 2 * kDay;
constexpr int32_t kSaturday = kWednesday + 3 * kDay;
constexpr int32_t kMonday = kWednesday + 5 * kDay;

TEST(ScheduledEvents, NextRunTimeFollowsTheKindsRule) {
    const struct {
        const char* what;
        uint32_t run, time;
        int32_t now;
        int64_t expected;
    } cases[] = {
        {"daily 07:30 armed at 08:00 runs tomorrow", kRunDaily, 27000, kWednesday + 8 * 3600, kWednesday + kDay + 27000},
        {"daily within the two arming seconds", kRunDaily, 27000, kWednesday + 27000 - 1, kWednesday + kDay + 27000},
        {"daily seconds below a minute are dropped", kRunDaily, 27059, kWednesday, kWednesday + 27000},
        {"week days on Friday evening", kRunWeekDays, 27000, kFriday + 20 * 3600, kMonday + 27000},
        {"week days on a Wednesday", kRunWeekDays, 3600, kWednesday, kWednesday + 3600},
        {"weekend days on a Wednesday", kRunWeekendDays, 3600, kWednesday, kSaturday + 3600},
        {"weekend days on Sunday evening", kRunWeekendDays, 3600, kSaturday + kDay + 7200, kSaturday + 7 * kDay + 3600},
        {"regularly 5 minutes", kRunRegularly, 300, kWednesday, kWednesday + 302},
        {"regularly, absurd time", kRunRegularly, 4294967295u, kWednesday, kNeverTime},
        {"daily, absurd time", kRunDaily, 4294967295u, kWednesday, kNeverTime},
        {"before pass", kRunBeforePass, 30, kWednesday, kNotArmed},
        {"unknown kind", 77, 30, kWednesday, kNotArmed},
    };
    for (const auto& c : cases) {
        const ScheduleEvent event{.name = "E", .satellite = {}, .run = c.run, .time = c.time};
        EXPECT_EQ(NextEventRunTime(event, c.now), c.expected) << c.what;
    }
}

class EventRegistry : public ::testing::Test, protected PassrunStation {
protected:
    EventRegistry() : PassrunStation(kWednesday) {}
    void Event(const std::string& key, const std::string& name, uint32_t run, uint32_t time,
               uint32_t associate = kAssociateNoSatellite, const std::string& satellite = "", uint32_t active = 1,
               uint32_t display = 0) {
        AddEvent({name, run, time, associate, "", satellite, active, display, key});
    }
    std::vector<std::string> Names(const auto& events) {
        std::vector<std::string> names;
        for (const auto& e : events) names.push_back(e.name);
        return names;
    }
    std::vector<std::string> TimerNames() {
        std::vector<std::string> names;
        for (const ScheduleEvent* e : lists_.timers) names.push_back(e->name);
        return names;
    }

    EventLists lists_;
};

TEST_F(EventRegistry, LoadKeepsActiveEventsAndArmsTheTimedOnes) {
    Event("a", "Regular", kRunRegularly, 600, kAssociateNoSatellite, "", 1, 1);
    Event("b", "Daily", kRunDaily, 3600);
    Event("c", "Inactive", kRunRegularly, 60, kAssociateNoSatellite, "", 0);
    Event("d", "Startup", kRunTarvonStartup, 0);
    Event("e", "Shutdown", kRunTarvonShutdown, 0);
    Event("f", "Before", kRunBeforePass, 100000, kAssociateAllSatellites);
    Event("g", std::string(200, 'N'), kRunRegularly, 60);
    Event("h", "Odd", 77, 4294967295u);
    Event("i", "Soon", kRunRegularly, 10, kAssociateNoSatellite, "", 1, 1);
    registry.Create(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\empty");

    LoadScheduledEvents(registry, kWednesday, lists_);

    // Newest first; too-long names, inactive and start-up/shutdown events dropped.
    EXPECT_EQ(Names(lists_.events), (std::vector<std::string>{"Soon", "Odd", "Before", "Daily", "Regular"}));
    EXPECT_EQ(TimerNames(), (std::vector<std::string>{"Soon", "Regular", "Daily"}));
    EXPECT_EQ(lists_.events.front().nextRun, kWednesday + 12);
    // A pass event's lead is capped at a day.
    EXPECT_EQ(MaxBeforePassLead(lists_, "ANY"), kMaxPassEventSeconds);

    // Reloading replaces, never duplicates.
    LoadScheduledEvents(registry, kWednesday, lists_);
    EXPECT_EQ(lists_.events.size(), 5u);
    EXPECT_EQ(lists_.timers.size(), 3u);
}

TEST_F(EventRegistry, PassEventsBelongToTheirSatelliteAndStartInOrder) {
    Event("1", "B120", kRunBeforePass, 120, kAssociateSingleSatellite, "SAT-1");
    Event("2", "B30", kRunBeforePass, 30, kAssociateAllSatellites);
    Event("3", "B30second", kRunBeforePass, 30, kAssociateSingleSatellite, "SAT-1");
    Event("4", "Bother", kRunBeforePass, 500, kAssociateSingleSatellite, "SAT-2");
    Event("5", "Bcase", kRunBeforePass, 600, kAssociateSingleSatellite, "sat-1");
    Event("6", "Bnone", kRunBeforePass, 700, kAssociateNoSatellite);
    Event("7", "A10", kRunAfterPass, 10, kAssociateAllSatellites);
    Event("8", "A5", kRunAfterPass, 5, kAssociateSingleSatellite, "SAT-1");
    Event("9", "A10second", kRunAfterPass, 10, kAssociateSingleSatellite, "SAT-1");
    LoadScheduledEvents(registry, kWednesday, lists_);

    // Equal Times keep the list's order (newest first).
    EXPECT_EQ(Names(PassEventsInStartOrder(lists_, kRunBeforePass, "SAT-1")),
              (std::vector<std::string>{"B120", "B30second", "B30"}));
    EXPECT_EQ(Names(PassEventsInStartOrder(lists_, kRunAfterPass, "SAT-1")),
              (std::vector<std::string>{"A5", "A10second", "A10"}));
    EXPECT_EQ(Names(PassEventsInStartOrder(lists_, kRunAfterPass, "SAT-3")),
              (std::vector<std::string>{"A10"}));
    EXPECT_EQ(MaxBeforePassLead(lists_, "SAT-1"), 120u);
    EXPECT_EQ(MaxBeforePassLead(lists_, "SAT-2"), 500u);
    EXPECT_EQ(MaxBeforePassLead(lists_, "SAT-3"), 30u);
}

}  // namespace
}  // namespace tarvon::testing
