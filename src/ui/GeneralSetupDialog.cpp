#include "ui/GeneralSetupDialog.h"

#include "core/PublicIds.h"
#include "core/SettingsStore.h"
#include "core/SuiteSetupForms.h"
#include "schedule/ScheduleBuilder.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/SuiteDialogIds.h"

namespace tarvon {
namespace {

constexpr const char* kNextStartNotice =
    "The new Kova Program Directory is used from the next start of Tarvon; until then the station keeps its files "
    "where they are.";

const int kFieldControls[] = {IDC_GEN_POPUP_TIME, IDC_GEN_PASS_END, IDC_GEN_DAYS, IDC_GEN_DIRECTORY};

void OnInit(HWND dialog, MainWindowState& state) {
    const GeneralSetupForm form =
        GeneralSetupFormFor(state.settings->general, StoredKovaDirectory(*state.registry));
    SetChecked(dialog, IDC_GEN_POPUPS, form.messagePopUps);
    SetEditText(dialog, IDC_GEN_POPUP_TIME, form.popUpMinutes, 2);
    SetEditText(dialog, IDC_GEN_PASS_END, form.passEndSeconds, 2);
    SetEditText(dialog, IDC_GEN_DAYS, form.scheduleDays, 2);
    SetChecked(dialog, IDC_GEN_MAP_DISPLAY, form.mapDisplay);
    FillComboBox(dialog, IDC_GEN_DISPLAY_TIME, {"UTC", "Local"});
    SetComboIndex(dialog, IDC_GEN_DISPLAY_TIME, form.localTime ? 1 : 0);
    SetEditText(dialog, IDC_GEN_DIRECTORY, form.kovaDirectory, 259);
}

GeneralSetupForm ReadForm(HWND dialog) {
    GeneralSetupForm form;
    form.messagePopUps = IsChecked(dialog, IDC_GEN_POPUPS);
    form.popUpMinutes = ControlText(dialog, IDC_GEN_POPUP_TIME);
    form.passEndSeconds = ControlText(dialog, IDC_GEN_PASS_END);
    form.scheduleDays = ControlText(dialog, IDC_GEN_DAYS);
    form.mapDisplay = IsChecked(dialog, IDC_GEN_MAP_DISPLAY);
    form.localTime = ComboIndex(dialog, IDC_GEN_DISPLAY_TIME) == 1;
    form.kovaDirectory = ControlText(dialog, IDC_GEN_DIRECTORY);
    return form;
}

// The station follows at once: the engine decides again with the new
// pop-up and end times, a longer schedule is searched on, and the panes
// and clock are drawn in the chosen time.
void FollowNewSettings(MainWindowState& state, const GeneralSettings& edited) {
    GeneralSettings& running = state.settings->general;
    const bool longer = edited.scheduleSeconds > running.scheduleSeconds;
    TakeGeneralSetup(running, edited);
    if (state.schedule && longer) FollowScheduleHorizon(*state.schedule);
    if (state.hooks.runScheduler) state.hooks.runScheduler();
    InvalidateRect(state.window, nullptr, TRUE);
}

void OnOk(HWND dialog, MainWindowState& state) {
    GeneralSettings edited = state.settings->general;
    std::string directory;
    if (auto problem = ReadGeneralSetupForm(ReadForm(dialog), edited, directory)) {
        ShowFieldProblem(dialog, *problem, kFieldControls[problem->field], "Tarvon");
        return;
    }
    if (!directory.empty()) {
        DialogNotices notices(dialog);
        EnsureDirectory(directory, notices);
    }
    SaveGeneralSetup(*state.registry, edited, directory);
    if (directory != state.settings->general.kovaDirectory) {
        ShowDialogMessage(dialog, kNextStartNotice, "Tarvon", MB_OK | MB_ICONINFORMATION);
    }
    FollowNewSettings(state, edited);
    EndDialog(dialog, IDOK);
}

}  // namespace

void GeneralSetupDialog(MainWindowState& state) {
    static const DialogHandlers<MainWindowState> handlers{
        .place = "general setup dialog",
        .init = OnInit,
        .helpButton = IDC_GEN_HELP,
        .helpContext = FixedHelp<MainWindowState, IDH_GENERAL_SETUP>,
        .ok = OnOk};
    RunModalDialog(state.window, IDD_GENERAL_SETUP, state, handlers);
}

}  // namespace tarvon
