#include "ui/PevrinSetupDialog.h"

#include "core/PublicIds.h"
#include "core/SuiteSetupForms.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/SuiteDialogIds.h"

namespace tarvon {
namespace {

const int kFieldControls[] = {IDC_PEV_MAX_PFH, IDC_PEV_MAX_MESSAGES};

struct PevrinState {
    Registry& registry;
    PevrinSettings settings;
};

void OnInit(HWND dialog, PevrinState& state) {
    state.settings = LoadPevrinSettings(state.registry);
    const PevrinSetupForm form = PevrinSetupFormFor(state.settings);
    SetEditText(dialog, IDC_PEV_MAX_PFH, form.maximumPfhFiles, 3);
    SetEditText(dialog, IDC_PEV_MAX_MESSAGES, form.maximumMessages, 4);
    SetChecked(dialog, IDC_PEV_MARK_NEVER, form.markNever);
    SetChecked(dialog, IDC_PEV_LOAD_BBS, form.loadBbs);
    SetChecked(dialog, IDC_PEV_CONFIRM_DELETE, form.confirmDelete);
}

void OnOk(HWND dialog, PevrinState& state) {
    PevrinSetupForm form;
    form.maximumPfhFiles = ControlText(dialog, IDC_PEV_MAX_PFH);
    form.maximumMessages = ControlText(dialog, IDC_PEV_MAX_MESSAGES);
    form.markNever = IsChecked(dialog, IDC_PEV_MARK_NEVER);
    form.loadBbs = IsChecked(dialog, IDC_PEV_LOAD_BBS);
    form.confirmDelete = IsChecked(dialog, IDC_PEV_CONFIRM_DELETE);
    if (auto problem = ReadPevrinSetupForm(form, state.settings)) {
        ShowFieldProblem(dialog, *problem, kFieldControls[problem->field], "Tarvon");
        return;
    }
    SavePevrinSettings(state.registry, state.settings);
    EndDialog(dialog, IDOK);
}

}  // namespace

void PevrinSetupDialog(HWND owner, Registry& registry) {
    static const DialogHandlers<PevrinState> handlers{
        .place = "Pevrin setup dialog",
        .init = OnInit,
        .helpButton = IDC_PEV_HELP,
        .helpContext = FixedHelp<PevrinState, IDH_PEVRIN_SETUP>,
        .ok = OnOk};
    PevrinState state{registry, {}};
    RunModalDialog(owner, IDD_PEVRIN_SETUP, state, handlers);
}

}  // namespace tarvon
