#include "ui/FileHousekeepingDialog.h"

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "maint/HousekeepingForm.h"
#include "platform/Clock.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/SuiteDialogIds.h"

namespace tarvon {
namespace {

const int kFieldControls[] = {IDC_FH_FILE_AGE, IDC_FH_MSG_AGE, IDC_FH_KEEP, IDC_FH_SATELLITE};

struct HousekeepingState {
    Registry& registry;
    Clock& clock;
};

// The wait cursor for as long as the run takes, the previous one after it.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

void OnInit(HWND dialog, HousekeepingState& state) {
    const HousekeepingForm form = HousekeepingFormFor(LoadHousekeepingRules(state.registry));
    SetChecked(dialog, IDC_FH_ACT, form.deleteAct);
    SetChecked(dialog, IDC_FH_DLX, form.deleteDlx);
    SetChecked(dialog, IDC_FH_UL, form.deleteUl);
    SetEditText(dialog, IDC_FH_FILE_AGE, form.oldestFiles, 2);
    SetChecked(dialog, IDC_FH_MSG, form.deleteMsg);
    SetChecked(dialog, IDC_FH_MYMSG, form.deleteMyMsg);
    SetEditText(dialog, IDC_FH_MSG_AGE, form.oldestMessages, 2);
    CheckRadioButton(dialog, IDC_FH_PFH_NONE, IDC_FH_PFH_DELETE,
                     form.deleteOldestPfh ? IDC_FH_PFH_DELETE : IDC_FH_PFH_NONE);
    SetEditText(dialog, IDC_FH_KEEP, form.keepPfhFiles, 2);
    CheckRadioButton(dialog, IDC_FH_ALL, IDC_FH_SINGLE, IDC_FH_ALL);
    FillComboBox(dialog, IDC_FH_SATELLITE, PacsatSatelliteNames(state.registry));
}

HousekeepingForm ReadForm(HWND dialog) {
    HousekeepingForm form;
    form.deleteAct = IsChecked(dialog, IDC_FH_ACT);
    form.deleteDlx = IsChecked(dialog, IDC_FH_DLX);
    form.deleteUl = IsChecked(dialog, IDC_FH_UL);
    form.oldestFiles = ControlText(dialog, IDC_FH_FILE_AGE);
    form.deleteMsg = IsChecked(dialog, IDC_FH_MSG);
    form.deleteMyMsg = IsChecked(dialog, IDC_FH_MYMSG);
    form.oldestMessages = ControlText(dialog, IDC_FH_MSG_AGE);
    form.deleteOldestPfh = IsChecked(dialog, IDC_FH_PFH_DELETE);
    form.keepPfhFiles = ControlText(dialog, IDC_FH_KEEP);
    form.allSatellites = IsChecked(dialog, IDC_FH_ALL);
    const std::optional<std::string> satellite = ComboText(dialog, IDC_FH_SATELLITE);
    form.satelliteSelected = satellite.has_value();
    form.satellite = satellite.value_or("");
    return form;
}

void OnOk(HWND dialog, HousekeepingState& state) {
    HousekeepingRules rules;
    std::optional<std::string> satellite;
    if (auto problem = ReadHousekeepingForm(ReadForm(dialog), rules, satellite)) {
        ShowFieldProblem(dialog, *problem, kFieldControls[problem->field], "Error");
        return;
    }
    SaveHousekeepingRules(state.registry, rules);
    {
        WaitCursor wait;
        RunFileHousekeeping(state.registry, state.clock.NowUnix(),
                            satellite ? std::optional<std::string_view>(*satellite) : std::nullopt);
    }
    EndDialog(dialog, IDOK);
}

}  // namespace

void FileHousekeepingDialog(HWND owner, Registry& registry, Clock& clock) {
    static const DialogHandlers<HousekeepingState> handlers{
        .place = "file housekeeping dialog",
        .init = OnInit,
        .helpButton = IDC_FH_HELP,
        .helpContext = FixedHelp<HousekeepingState, IDH_FILE_HOUSEKEEPING>,
        .ok = OnOk};
    HousekeepingState state{registry, clock};
    RunModalDialog(owner, IDD_FILE_HOUSEKEEPING, state, handlers);
}

}  // namespace tarvon
