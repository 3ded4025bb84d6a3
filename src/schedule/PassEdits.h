#pragma once
// The user's edits of single passes: the pass editor's rules, the schedule
// pane's commands (run now, end now, listen only), the manual pass, and the
// buttons of the pre-pass notification.
#include <array>
#include <optional>
#include <string>

#include "schedule/ScheduleState.h"

namespace tarvon {

constexpr const char* kPriorityRangeMessage =
    "You must ensure that the PRIORITY for this pass is set between 1 and 100.";
constexpr const char* kInvalidTimeMessage = "The AOS and LOS must be valid dates and times.";
constexpr const char* kDuplicatePassMessage =
    "This satellite already has a pass in the schedule less than a minute from this AOS.";
constexpr const char* kSecondManualPassMessage =
    "You already have a manually executed pass in the schedule.  You must close this pass before you can manually execute another pass.";
constexpr int32_t kManualPassSeconds = 900;

// A time as the editor shows it: day, month, two-digit year, hour, minute, second.
using EditTimeFields = std::array<int, 6>;

struct EditPassFields {
    EditTimeFields aos{};
    EditTimeFields los{};
    int priority = 0;
    int status = 0;  // 0 Track and Display, 1 Display
    bool runRegardlessOfElevation = false;
    bool ignorePassChecking = false;
};

// The fields of a time, in UTC or (displayTime 0) in local time.
EditTimeFields TimeFieldsFor(int32_t unixTime, uint32_t displayTime, int32_t biasSeconds);
// Unix time of the fields; a two-digit year below 50 is 20yy. Nothing when
// they are not a real date and time.
std::optional<int32_t> UnixTimeFromFields(const EditTimeFields& fields, uint32_t displayTime, int32_t biasSeconds);

// The editor's fields for a pass.
EditPassFields EditFieldsFor(const SchedulePass& pass, uint32_t displayTime, int32_t biasSeconds);

// Applies the editor's OK: the message to show (and keep the dialog open), or
// nothing when the pass was changed, moved to its AOS order and the engine
// run. A pass that has left the schedule meanwhile (it ended, or a Redo
// replaced it) stays out: the edit changes nothing.
std::optional<std::string> ApplyPassEdit(ScheduleState& s, const PassRef& pass, EditPassFields fields);

// The editor's Delete: the pass stays listed but is never run.
void SetPassDisplayOnly(ScheduleState& s, const PassRef& pass);

void RunPassNow(ScheduleState& s, const PassRef& pass);
void EndPassNow(ScheduleState& s);
void SetListenOnly(ScheduleState& s, const PassRef& pass);

// True while the first pass of the schedule is an unfinished manual pass.
bool HasUnfinishedManualPass(ScheduleState& s);
// A pass of 900 s from now, first in the schedule, started by the engine at once.
PassRef StartManualPass(ScheduleState& s, const std::string& satName);

// A pass entered by hand (Add Pass): an hour from now, 15 minutes long, with
// the satellite's scheduling values when it is scheduled; not yet listed.
PassRef NewHandEnteredPass(ScheduleState& s, const std::string& satName);

enum class NotificationButton { Ok, Run, Cancel };

// The texts of the pre-pass notification.
struct NotificationTexts {
    std::string satellite;
    std::string aos;
    std::string los;
    std::string maxElevation;
    std::string hiddenAos;
};
NotificationTexts NotificationTextsFor(const SchedulePass& pass, uint32_t displayTime, int32_t biasSeconds);

// OK, Run or Cancel of the notification of the pass with this name and AOS.
void ApplyNotificationButton(ScheduleState& s, const std::string& satName, int32_t aos, NotificationButton button);

}  // namespace tarvon
