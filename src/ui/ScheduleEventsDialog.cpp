#include "ui/ScheduleEventsDialog.h"

#include <commdlg.h>

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "passrun/EventEdits.h"
#include "passrun/ScheduledEvents.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/SuiteDialogIds.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

const std::vector<std::string> kRunKinds = {"Before Pass", "After Pass",     "Daily",          "Regularly",
                                            "Week Days",   "Weekend Days",   "Tarvon Startup", "Tarvon Shutdown",
                                            "On Idle",     "On End Idle"};
const std::vector<std::string> kAssociateKinds = {"No Satellite", "Single Satellite", "All Satellites",
                                                  "Housekeeping"};
const int kFieldControls[] = {IDC_EVT_NAME, IDC_EVT_PROGRAM, IDC_EVT_DIRECTORY, IDC_EVT_TIME, IDC_EVT_SATELLITE};

struct EventsState {
    MainWindowState& main;
    std::vector<std::string> satellites;  // the Satellite box after "[None]"
};

void ShowTimeUnits(HWND dialog) {
    const bool shown = !IsTimeOfDayKind(static_cast<uint32_t>(ComboIndex(dialog, IDC_EVT_RUN)));
    ShowWindow(GetDlgItem(dialog, IDC_EVT_SECONDS), shown ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDC_EVT_MINUTES), shown ? SW_SHOW : SW_HIDE);
}

void EnableByAssociate(HWND dialog) {
    const int associate = ComboIndex(dialog, IDC_EVT_ASSOCIATE);
    const bool program = associate != kAssociateHousekeeping;
    for (int id : {IDC_EVT_PROGRAM, IDC_EVT_BROWSE, IDC_EVT_DIRECTORY, IDC_EVT_MINIMISE}) {
        EnableWindow(GetDlgItem(dialog, id), program);
    }
    EnableWindow(GetDlgItem(dialog, IDC_EVT_SATELLITE), program && associate != kAssociateNoSatellite);
}

void ShowHistory(HWND dialog, const EventHistory& history) {
    SetControlText(dialog, IDC_EVT_LAST_RUN, EventHistoryTime(history.lastRun));
    SetControlText(dialog, IDC_EVT_LAST_OK, EventHistoryTime(history.lastSuccess));
    SetControlText(dialog, IDC_EVT_RETURN, EventHistoryNumber(history.lastReturn));
}

int SatelliteChoice(const EventsState& state, const std::string& satellite) {
    for (size_t i = 0; i < state.satellites.size(); ++i) {
        if (state.satellites[i] == satellite) return static_cast<int>(i) + 1;
    }
    return 0;
}

void ShowEvent(HWND dialog, EventsState& state, const EventRecord& event, const EventHistory& history) {
    SetControlText(dialog, IDC_EVT_NAME, event.name);
    SetControlText(dialog, IDC_EVT_PROGRAM, event.program);
    SetControlText(dialog, IDC_EVT_DIRECTORY, event.directory);
    const EventTimeText time = ShowEventTime(event.run, event.time);
    SetControlText(dialog, IDC_EVT_TIME, time.text);
    CheckRadioButton(dialog, IDC_EVT_SECONDS, IDC_EVT_MINUTES, time.minutes ? IDC_EVT_MINUTES : IDC_EVT_SECONDS);
    SetComboIndex(dialog, IDC_EVT_RUN, event.run < kRunKinds.size() ? static_cast<int>(event.run) : -1);
    SetComboIndex(dialog, IDC_EVT_ASSOCIATE,
                  event.associate < kAssociateKinds.size() ? static_cast<int>(event.associate) : -1);
    SetComboIndex(dialog, IDC_EVT_SATELLITE, SatelliteChoice(state, event.satellite));
    SetChecked(dialog, IDC_EVT_ACTIVE, event.active == 1);
    SetChecked(dialog, IDC_EVT_DISPLAY, event.display == 1);
    SetChecked(dialog, IDC_EVT_MINIMISE, event.minimise == 1);
    ShowHistory(dialog, history);
    ShowTimeUnits(dialog);
    EnableByAssociate(dialog);
}

void OnNew(HWND dialog, EventsState& state) {
    EventRecord fresh;
    fresh.active = 1;
    ShowEvent(dialog, state, fresh, EventHistory{});
    SetControlText(dialog, IDC_EVT_TIME, "");
    SendDlgItemMessageW(dialog, IDC_EVT_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EnableWindow(GetDlgItem(dialog, IDC_EVT_DELETE), FALSE);
}

// Refills the list and shows the event `selected`, or a new one.
void ShowEvents(HWND dialog, EventsState& state, const std::string& selected) {
    Registry& registry = *state.main.registry;
    SendDlgItemMessageW(dialog, IDC_EVT_LIST, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : EventNames(registry)) {
        AddListText(dialog, IDC_EVT_LIST, name);
    }
    EventHistory history;
    const std::optional<EventRecord> event = LoadEventRecord(registry, selected, &history);
    if (!event) return OnNew(dialog, state);
    const LRESULT at = SendDlgItemMessageW(dialog, IDC_EVT_LIST, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(Widen(selected).c_str()));
    SendDlgItemMessageW(dialog, IDC_EVT_LIST, LB_SETCURSEL, at, 0);
    EnableWindow(GetDlgItem(dialog, IDC_EVT_DELETE), TRUE);
    ShowEvent(dialog, state, *event, history);
}

std::string SelectedEvent(HWND dialog) {
    const LRESULT index = SendDlgItemMessageW(dialog, IDC_EVT_LIST, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return {};
    return ListText(dialog, IDC_EVT_LIST, index);
}

void OnInit(HWND dialog, EventsState& state) {
    state.satellites = SatelliteNames(*state.main.registry);
    std::vector<std::string> choices{kNoSatelliteChoice};
    choices.insert(choices.end(), state.satellites.begin(), state.satellites.end());
    FillComboBox(dialog, IDC_EVT_SATELLITE, choices);
    FillComboBox(dialog, IDC_EVT_RUN, kRunKinds);
    FillComboBox(dialog, IDC_EVT_ASSOCIATE, kAssociateKinds);
    SendDlgItemMessageW(dialog, IDC_EVT_NAME, EM_LIMITTEXT, 25, 0);
    SendDlgItemMessageW(dialog, IDC_EVT_PROGRAM, EM_LIMITTEXT, 259, 0);
    SendDlgItemMessageW(dialog, IDC_EVT_DIRECTORY, EM_LIMITTEXT, 259, 0);
    SendDlgItemMessageW(dialog, IDC_EVT_TIME, EM_LIMITTEXT, 6, 0);
    const std::vector<std::string> names = EventNames(*state.main.registry);
    ShowEvents(dialog, state, names.empty() ? std::string() : names.front());
}

EventForm ReadForm(HWND dialog) {
    EventForm form;
    form.name = ControlText(dialog, IDC_EVT_NAME);
    form.program = ControlText(dialog, IDC_EVT_PROGRAM);
    form.directory = ControlText(dialog, IDC_EVT_DIRECTORY);
    form.time = ControlText(dialog, IDC_EVT_TIME);
    form.minutes = IsChecked(dialog, IDC_EVT_MINUTES);
    form.run = static_cast<uint32_t>(ComboIndex(dialog, IDC_EVT_RUN));
    form.associate = static_cast<uint32_t>(ComboIndex(dialog, IDC_EVT_ASSOCIATE));
    form.satelliteIndex = ComboIndex(dialog, IDC_EVT_SATELLITE);
    form.satellite = ComboText(dialog, IDC_EVT_SATELLITE);
    form.active = IsChecked(dialog, IDC_EVT_ACTIVE);
    form.display = IsChecked(dialog, IDC_EVT_DISPLAY);
    form.minimise = IsChecked(dialog, IDC_EVT_MINIMISE);
    return form;
}

void ReloadEvents(EventsState& state) {
    if (state.main.hooks.reloadEvents) state.main.hooks.reloadEvents();
}

void OnOk(HWND dialog, EventsState& state) {
    EventRecord record;
    if (auto problem = ReadEventForm(ReadForm(dialog), record)) {
        ShowFieldProblem(dialog, *problem, kFieldControls[problem->field], kEventErrorCaption);
        return;
    }
    if (HoldsUpScheduling(record)) ShowDialogMessage(dialog, kHoldUpWarning, "Tarvon", MB_OK | MB_ICONQUESTION);
    if (!SaveEventRecord(*state.main.registry, record)) {
        ShowDialogMessage(dialog, "The event \"" + record.name + "\" could not be saved in the registry.",
                          kEventErrorCaption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ReloadEvents(state);
    ShowEvents(dialog, state, record.name);
}

void OnDelete(HWND dialog, EventsState& state) {
    const std::string name = SelectedEvent(dialog);
    if (name.empty()) return;
    DeleteEventRecord(*state.main.registry, name);
    ReloadEvents(state);
    ShowEvents(dialog, state, std::string());
}

void OnBrowse(HWND dialog) {
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = L"Programs (*.exe;*.com;*.bat)\0*.exe;*.com;*.bat\0All files (*.*)\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameW(&ofn)) SetDlgItemTextW(dialog, IDC_EVT_PROGRAM, file);
}

void OnCommand(HWND dialog, EventsState& state, WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    switch (id) {
        case IDC_EVT_NEW: OnNew(dialog, state); return;
        case IDC_EVT_DELETE: OnDelete(dialog, state); return;
        case IDC_EVT_BROWSE: OnBrowse(dialog); return;
        case IDC_EVT_LIST:
            if (code == LBN_SELCHANGE) ShowEvents(dialog, state, SelectedEvent(dialog));
            return;
        case IDC_EVT_RUN:
            if (code == CBN_SELCHANGE) ShowTimeUnits(dialog);
            return;
        case IDC_EVT_ASSOCIATE:
            if (code == CBN_SELCHANGE) EnableByAssociate(dialog);
            return;
        default: return;
    }
}

}  // namespace

void ScheduleEventsDialog(MainWindowState& state) {
    static const DialogHandlers<EventsState> handlers{
        .place = "schedule events dialog",
        .init = OnInit,
        .command = OnCommand,
        .helpButton = IDC_EVT_HELP,
        .helpContext = FixedHelp<EventsState, IDH_SCHEDULE_EVENTS>,
        .ok = OnOk};
    EventsState events{state, {}};
    RunModalDialog(state.window, IDD_SCHEDULE_EVENTS, events, handlers);
}

}  // namespace tarvon
