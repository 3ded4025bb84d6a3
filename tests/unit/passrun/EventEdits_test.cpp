#include "passrun/EventEdits.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "passrun/ScheduledEvents.h"
#include "platform/memory/MemoryRegistry.h"

namespace tarvon {
namespace {

TEST(EventEdits, TimeFieldIsReadByTheRunKind) {
    const struct {
        uint32_t run;
        const char* text;
        bool minutes;
        std::optional<uint32_t> seconds;
    } cases[] = {
        // Times of day that are no time (2460, 9999, -1, 12:3x) are refused in
        // e2e.suite_events_housekeeping.
        {kRunDaily, "0730", false, 27000u},  {kRunDaily, "730", false, 27000u},
        {kRunWeekDays, "2359", true, 86340u}, {kRunDaily, "0000", false, 0u},
        {kRunDaily, "1260", false, {}},       {kRunWeekendDays, "00730", false, {}},
        {kRunDaily, "", false, {}},           {kRunRegularly, "5", true, 300u},
        {kRunRegularly, "5", false, 5u},      {kRunRegularly, "0", false, {}},
        {kRunBeforePass, "0", false, 0u},     {kRunAfterPass, "999999", true, 59999940u},
        {kRunAfterPass, "1000000", false, {}}, {kRunOnIdle, "-1", false, {}},
    };
    for (const auto& c : cases) {
        uint32_t seconds = 12345;
        const auto problem = ParseEventTime(c.run, c.text, c.minutes, seconds);
        EXPECT_EQ(problem ? std::nullopt : std::optional(seconds), c.seconds) << c.run << " " << c.text;
    }
}

TEST(EventEdits, TimeIsShownInTheUnitItWasTypedIn) {
    const struct {
        uint32_t run;
        uint32_t seconds;
        EventTimeText shown;
    } cases[] = {
        {kRunDaily, 27000, {"0730", false, false}}, {kRunWeekendDays, 86340, {"2359", false, false}},
        {kRunRegularly, 300, {"5", true, true}},    {kRunBeforePass, 90, {"90", false, true}},
    };
    for (const auto& c : cases) {
        const EventTimeText shown = ShowEventTime(c.run, c.seconds);
        EXPECT_EQ(std::tie(shown.text, shown.minutes, shown.unitShown),
                  std::tie(c.shown.text, c.shown.minutes, c.shown.unitShown)) << c.seconds;
    }
}

EventForm Form(uint32_t run, uint32_t associate, int satelliteIndex = 0) {
    EventForm form;
    form.name = "Event";
    form.program = "C:\\BIN\\JOB.EXE";
    form.time = "10";
    form.run = run;
    form.associate = associate;
    form.satelliteIndex = satelliteIndex;
    form.satellite = satelliteIndex > 0 ? std::optional<std::string>("AO-16") : kNoSatelliteChoice;
    return form;
}

// The three kinds of wrong association, in the forms e2e.suite_events_housekeeping
// refuses them, are its; here, their other forms.
TEST(EventEdits, ChecksTellWhatTheEventCannotBelongTo) {
    EventForm unreadable = Form(kRunAfterPass, kAssociateSingleSatellite, 2);
    unreadable.satellite.reset();
    EventForm noName = Form(kRunRegularly, kAssociateNoSatellite);
    noName.name = "";
    EventForm nested = Form(kRunRegularly, kAssociateNoSatellite);
    nested.name = "a\\b";
    EventForm longProgram = Form(kRunRegularly, kAssociateNoSatellite);
    longProgram.program = std::string(300, 'p');
    const struct {
        EventForm form;
        int field;
        const char* start;  // of the message; empty when the form is good
    } cases[] = {
        {Form(kRunBeforePass, kAssociateNoSatellite), kFieldEventSatellite, "You can not associate a non"},
        {Form(kRunBeforePass, kAssociateSingleSatellite, -1), kFieldEventSatellite, "You have elected"},
        {unreadable, kFieldEventSatellite, "Error reading satellite name."},
        {Form(kRunDaily, kAssociateSingleSatellite, 1), kFieldEventSatellite, "You can not associate satellite"},
        {noName, kFieldEventName, "Name must not be empty."},
        {nested, kFieldEventName, "Name cannot hold a backslash"},
        {longProgram, kFieldEventProgram, "Program can be at most 259"},
        {Form(kRunWeekDays, kAssociateAllSatellites), -1, ""},
        {Form(kRunBeforePass, kAssociateSingleSatellite, 1), -1, ""},
        {Form(kRunRegularly, kAssociateHousekeeping), -1, ""},
    };
    for (const auto& c : cases) {
        EventRecord record;
        const auto problem = ReadEventForm(c.form, record);
        EXPECT_EQ(problem ? problem->field : -1, c.field) << c.start;
        EXPECT_EQ(problem ? problem->message.substr(0, std::strlen(c.start)) : "", c.start);
    }
}

TEST(EventEdits, OnlyLongPassEventsThatAreActiveHoldUpScheduling) {
    const struct {
        uint32_t run, time, active;
        bool warned;
    } cases[] = {{kRunBeforePass, 46, 1, true},  {kRunAfterPass, 600, 1, true}, {kRunBeforePass, 45, 1, false},
                 {kRunBeforePass, 46, 0, false}, {kRunDaily, 3600, 1, false}};
    for (const auto& c : cases) {
        EventRecord record;
        record.run = c.run;
        record.time = c.time;
        record.active = c.active;
        EXPECT_EQ(HoldsUpScheduling(record), c.warned) << c.run << " " << c.time;
    }
}

TEST(EventEdits, HistoryShowsTimesInUtcOrNotApplicable) {
    EXPECT_EQ(EventHistoryTime(1796198400u), "08:00 02/12/26");
    EXPECT_EQ(EventHistoryTime(std::nullopt), "n/a");
}

TEST(EventEdits, SavingNeverOverwritesAnotherEventsKey) {
    MemoryRegistry registry;
    // The key "Backup" belongs to an event renamed "Nightly" since.
    RegWriteString(*registry.Create(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\Backup"), "Name",
                   "Nightly");
    EventRecord backup;
    backup.name = "Backup";
    backup.program = "BACKUP.EXE";
    ASSERT_TRUE(SaveEventRecord(registry, backup));
    EXPECT_EQ(LoadEventRecord(registry, "Nightly", nullptr)->program, "");
    EXPECT_EQ(LoadEventRecord(registry, "Backup", nullptr)->program, "BACKUP.EXE");
    EXPECT_TRUE(registry.Open(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\Backup [0]"));
    // Saving again uses the key that carries the name.
    backup.program = "BACKUP2.EXE";
    ASSERT_TRUE(SaveEventRecord(registry, backup));
    EXPECT_FALSE(registry.Open(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\Backup [1]"));
    EXPECT_EQ(LoadEventRecord(registry, "Backup", nullptr)->program, "BACKUP2.EXE");
    ASSERT_TRUE(DeleteEventRecord(registry, "Backup"));
    EXPECT_EQ(EventNames(registry), std::vector<std::string>{"Nightly"});
}

}  // namespace
}  // namespace tarvon
