#include "ui/VantSetupDialog.h"

#include "core/PublicIds.h"
#include "core/SuiteSetupForms.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/SuiteDialogIds.h"

namespace tarvon {
namespace {

struct VantState {
    Registry& registry;
    VantSettings settings;
};

void OnInit(HWND dialog, VantState& state) {
    state.settings = LoadVantSettings(state.registry);
    SetChecked(dialog, IDC_VANT_MAXIMISE, state.settings.maximiseUpload == 1);
    FillComboBox(dialog, IDC_VANT_SWITCHING, {"Automatic", "Manual", "Ask First"});
    SetComboIndex(dialog, IDC_VANT_SWITCHING, SwitchingListIndex(state.settings.switching));
}

void OnOk(HWND dialog, VantState& state) {
    state.settings.maximiseUpload = IsChecked(dialog, IDC_VANT_MAXIMISE) ? 1 : 0;
    state.settings.switching = static_cast<uint32_t>(SwitchingListIndex(ComboIndex(dialog, IDC_VANT_SWITCHING)));
    SaveVantSettings(state.registry, state.settings);
    EndDialog(dialog, IDOK);
}

}  // namespace

void VantSetupDialog(HWND owner, Registry& registry) {
    static const DialogHandlers<VantState> handlers{
        .place = "VANT setup dialog",
        .init = OnInit,
        .helpButton = IDC_VANT_HELP,
        .helpContext = FixedHelp<VantState, IDH_VANT_SETUP>,
        .ok = OnOk};
    VantState state{registry, {}};
    RunModalDialog(owner, IDD_VANT_SETUP, state, handlers);
}

}  // namespace tarvon
