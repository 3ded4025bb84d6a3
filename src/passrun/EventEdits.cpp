#include "passrun/EventEdits.h"

#include <cstdio>
#include <memory>

#include "core/SettingsTable.h"
#include "core/TimeFormat.h"
#include "passrun/ScheduledEvents.h"
#include "platform/Registry.h"

namespace tarvon {
namespace {

constexpr uint32_t kMaxListedEvents = 100;
constexpr uint32_t kEventTextBuffer = 260;
constexpr size_t kNameChars = 25;
constexpr size_t kPathChars = 259;
constexpr uint32_t kMaxTimeNumber = 999999;  // the field takes six characters
constexpr uint32_t kHoldUpSeconds = 45;

constexpr const char* kNonSatellitePassEvent =
    "You can not associate a non satellite related event with the start or end of a pass.";
constexpr const char* kNoSatelliteSelected =
    "You have elected to associate this event with a single satellite, but have not selected a satellite.  "
    "Please select a satellite.";
constexpr const char* kSatelliteUnreadable = "Error reading satellite name.";
constexpr const char* kSatelliteDailyEvent =
    "You can not associate satellite related event with the Regular or Every Day options.";

// An event's values besides its Name, in the order they are written.
const StringValue<EventRecord> kEventStrings[] = {
    {"Program", &EventRecord::program, kEventTextBuffer},
    {"Directory", &EventRecord::directory, kEventTextBuffer},
    {"Satellite", &EventRecord::satellite, kEventTextBuffer},
};
const DwordValue<EventRecord> kEventDwords[] = {
    {"Associate", &EventRecord::associate}, {"Run", &EventRecord::run},
    {"Time", &EventRecord::time},           {"Minimise", &EventRecord::minimise},
    {"Display", &EventRecord::display},     {"Active", &EventRecord::active},
};

bool IsPassKind(uint32_t run) { return run == kRunBeforePass || run == kRunAfterPass; }

std::string KeyPath(const std::string& subkey) { return SubkeyPath(kEventsKeyPath, subkey); }

std::string NameOf(RegKey& key) {
    std::string name;
    RegReadString(key, "Name", name, kEventNameBuffer);
    return name;
}

// The subkey of the event named `name`; empty when there is none.
std::string FindEventSubkey(Registry& registry, const std::string& name) {
    std::string found;
    ForEachSubkey(registry, RegRoot::LocalMachine, kEventsKeyPath, kMaxEventKeys, [&](const std::string& subkey, RegKey& key) {
        if (NameOf(key) != name) return false;
        found = subkey;
        return true;
    });
    return found;
}

std::optional<uint32_t> ReadOptional(RegKey& key, const char* name) {
    uint32_t value = 0;
    if (!RegReadDword(key, name, value)) return std::nullopt;
    return value;
}

std::optional<std::string> CheckTime(const EventForm& form, uint32_t& seconds) {
    return ParseEventTime(form.run, form.time, form.minutes, seconds);
}

// What an event may belong to, checked in the order the user is told.
std::optional<FieldProblem> CheckAssociation(const EventForm& form) {
    const bool satelliteEvent =
        form.associate == kAssociateSingleSatellite || form.associate == kAssociateAllSatellites;
    if (!satelliteEvent && IsPassKind(form.run)) return FieldProblem{kFieldEventSatellite, kNonSatellitePassEvent};
    if (form.associate == kAssociateSingleSatellite) {
        if (form.satelliteIndex <= 0) return FieldProblem{kFieldEventSatellite, kNoSatelliteSelected};
        if (!form.satellite) return FieldProblem{kFieldEventSatellite, kSatelliteUnreadable};
    }
    if (satelliteEvent && (form.run == kRunDaily || form.run == kRunRegularly)) {
        return FieldProblem{kFieldEventSatellite, kSatelliteDailyEvent};
    }
    return std::nullopt;
}

}  // namespace

bool IsTimeOfDayKind(uint32_t run) { return run == kRunDaily || run == kRunWeekDays || run == kRunWeekendDays; }

EventTimeText ShowEventTime(uint32_t run, uint32_t seconds) {
    char text[16];
    if (IsTimeOfDayKind(run)) {
        std::snprintf(text, sizeof text, "%02u%02u", (seconds / 3600) % 24, (seconds % 3600) / 60);
        return EventTimeText{text, false, false};
    }
    if (seconds % 60 == 0) return EventTimeText{std::to_string(seconds / 60), true, true};
    return EventTimeText{std::to_string(seconds), false, true};
}

std::optional<std::string> ParseEventTime(uint32_t run, std::string_view text, bool minutes, uint32_t& seconds) {
    if (IsTimeOfDayKind(run)) {
        // Hours and minutes past 23:59 would move the event to another day.
        uint32_t hhmm = 0;
        const size_t first = text.find_first_not_of(" \t");
        const size_t digits = first == std::string_view::npos ? 0 : text.find_last_not_of(" \t") + 1 - first;
        if (digits > 4 || CheckWholeNumber("Time", text, 0, 2359, hhmm) || hhmm % 100 > 59) {
            return std::string("Time must be a time of day of four digits, HHMM, from 0000 to 2359.");
        }
        seconds = hhmm / 100 * 3600 + hhmm % 100 * 60;
        return std::nullopt;
    }
    uint32_t number = 0;
    // An interval of nothing would start the program again every moment.
    const uint32_t least = run == kRunRegularly ? 1 : 0;
    if (auto problem = CheckWholeNumber("Time", text, least, kMaxTimeNumber, number)) return problem;
    seconds = minutes ? number * 60 : number;
    return std::nullopt;
}

std::optional<FieldProblem> ReadEventForm(const EventForm& form, EventRecord& record) {
    uint32_t seconds = 0;
    auto field = [](int id, auto check) {
        return [id, check]() -> std::optional<FieldProblem> {
            if (auto message = check()) return FieldProblem{id, *message};
            return std::nullopt;
        };
    };
    if (auto problem = FirstProblem(
            field(kFieldEventName, [&] { return CheckKeyName("Name", form.name, kNameChars); }),
            field(kFieldEventProgram, [&] { return CheckText("Program", form.program, kPathChars, false); }),
            field(kFieldEventDirectory, [&] { return CheckText("Starting Dir", form.directory, kPathChars, false); }),
            field(kFieldEventTime, [&] { return CheckTime(form, seconds); }), [&] { return CheckAssociation(form); })) {
        return problem;
    }
    record.name = form.name;
    record.program = form.program;
    record.directory = form.directory;
    record.run = form.run;
    record.associate = form.associate;
    record.satellite = form.associate == kAssociateSingleSatellite ? *form.satellite : std::string();
    record.time = seconds;
    record.minimise = form.minimise ? 1 : 0;
    record.display = form.display ? 1 : 0;
    record.active = form.active ? 1 : 0;
    return std::nullopt;
}

bool HoldsUpScheduling(const EventRecord& record) {
    return IsPassKind(record.run) && record.active == 1 && record.time > kHoldUpSeconds;
}

std::string EventHistoryTime(std::optional<uint32_t> unixTime) {
    if (!unixTime) return "n/a";
    return FormatUnixTime(static_cast<int32_t>(*unixTime), "%H:%M %d/%m/%y");
}

std::string EventHistoryNumber(std::optional<uint32_t> value) { return value ? std::to_string(*value) : "n/a"; }

std::vector<std::string> EventNames(Registry& registry) {
    std::vector<std::string> names;
    ForEachSubkey(registry, RegRoot::LocalMachine, kEventsKeyPath, kMaxListedEvents, [&](const std::string&, RegKey& key) {
        names.push_back(NameOf(key));
        return false;
    });
    return names;
}

std::optional<EventRecord> LoadEventRecord(Registry& registry, const std::string& name, EventHistory* history) {
    const std::string subkey = FindEventSubkey(registry, name);
    if (subkey.empty()) return std::nullopt;
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, KeyPath(subkey));
    if (!key) return std::nullopt;
    EventRecord r;
    r.name = name;
    ReadStrings(*key, kEventStrings, r);
    ReadDwords(*key, kEventDwords, r);
    if (history) {
        history->lastRun = ReadOptional(*key, "Last Run Time");
        history->lastSuccess = ReadOptional(*key, "Last Success Time");
        history->lastReturn = ReadOptional(*key, "Last Return");
    }
    return r;
}

bool SaveEventRecord(Registry& registry, const EventRecord& r) {
    std::string subkey = FindEventSubkey(registry, r.name);
    if (subkey.empty()) {
        // A key of this name may hold another event, renamed since it was made.
        subkey = r.name;
        for (int counter = 0; registry.Open(RegRoot::LocalMachine, KeyPath(subkey)); ++counter) {
            if (counter == static_cast<int>(kMaxEventKeys)) return false;
            subkey = r.name + " [" + std::to_string(counter) + "]";
        }
    }
    std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, KeyPath(subkey));
    if (!key) return false;
    RegWriteString(*key, "Name", r.name);
    WriteStrings(*key, kEventStrings, r);
    WriteDwords(*key, kEventDwords, r);
    return true;
}

bool DeleteEventRecord(Registry& registry, const std::string& name) {
    const std::string subkey = FindEventSubkey(registry, name);
    return !subkey.empty() && registry.DeleteKey(RegRoot::LocalMachine, KeyPath(subkey)) == RegStatus::Ok;
}

}  // namespace tarvon
