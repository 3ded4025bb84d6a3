#pragma once
// The "Schedule Events" dialog's side of the scheduled events: an event's
// fields as the dialog shows them, the reading and checking of what was
// typed, and the event keys it saves and deletes. The dialog reloads the
// armed events after each change.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FieldChecks.h"

namespace tarvon {

class Registry;

// One event key's values as the dialog edits them.
struct EventRecord {
    std::string name;
    std::string program;
    std::string directory;
    uint32_t run = 0;
    uint32_t associate = 0;
    std::string satellite;  // empty unless Associate is Single Satellite
    uint32_t time = 0;      // seconds
    uint32_t minimise = 1;
    uint32_t display = 0;
    uint32_t active = 0;
};

// What the History box shows; a missing value is nothing.
struct EventHistory {
    std::optional<uint32_t> lastRun;
    std::optional<uint32_t> lastSuccess;
    std::optional<uint32_t> lastReturn;
};

// The dialog's controls, as read.
struct EventForm {
    std::string name;
    std::string program;
    std::string directory;
    std::string time;
    bool minutes = false;  // "Min" rather than "Sec"
    uint32_t run = 0;
    uint32_t associate = 0;
    // -1 when nothing is selected, 0 for "[None]", else a satellite.
    int satelliteIndex = -1;
    std::optional<std::string> satellite;  // the selected name; nothing when it could not be read
    bool active = true;
    bool display = false;
    bool minimise = true;
};
enum EventField { kFieldEventName, kFieldEventProgram, kFieldEventDirectory, kFieldEventTime, kFieldEventSatellite };

constexpr const char* kNoSatelliteChoice = "[None]";
constexpr const char* kEventErrorCaption = "Error";
constexpr const char* kHoldUpWarning =
    "This event is set to run more than 45 seconds before or after a pass.  You should note that this will hold up "
    "scheduling and you should consider if this event should be run at a time closer to the pass.";

// The kinds whose Time is a time of day, typed as HHMM.
bool IsTimeOfDayKind(uint32_t run);

// The Time field of a stored event: "HHMM" for a time of day (no unit shown),
// else minutes when Time is whole minutes, seconds otherwise.
struct EventTimeText {
    std::string text;
    bool minutes = false;
    bool unitShown = true;
};
EventTimeText ShowEventTime(uint32_t run, uint32_t seconds);

// Seconds from the Time field, or the message saying what is wrong with it.
std::optional<std::string> ParseEventTime(uint32_t run, std::string_view text, bool minutes, uint32_t& seconds);

// The checks of OK, in order: the texts, the time, then the three rules of
// what an event may belong to. On success `record` is what to save.
std::optional<FieldProblem> ReadEventForm(const EventForm& form, EventRecord& record);

// A pass event held more than 45 seconds from its pass deserves a word.
bool HoldsUpScheduling(const EventRecord& record);

// "%H:%M %d/%m/%y" (UTC), or "n/a" for a missing time.
std::string EventHistoryTime(std::optional<uint32_t> unixTime);
// The number, or "n/a".
std::string EventHistoryNumber(std::optional<uint32_t> value);

// The Name of every event key, at most 100, in enumeration order.
std::vector<std::string> EventNames(Registry& registry);
// The event whose Name is `name` (exact compare), with its history.
std::optional<EventRecord> LoadEventRecord(Registry& registry, const std::string& name, EventHistory* history);
// Writes the event into the key carrying its Name; a new event gets a key
// named after it, or "<name> [n]" when a key of that name belongs to an
// event since renamed. False when no key could be had.
bool SaveEventRecord(Registry& registry, const EventRecord& record);
// Deletes the key of the event of this Name; false when there is none.
bool DeleteEventRecord(Registry& registry, const std::string& name);

}  // namespace tarvon
