#include "ui/BriskoSetupDialog.h"

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "core/SuiteSetupForms.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/SuiteDialogIds.h"

namespace tarvon {
namespace {

const struct {
    int id;
    uint32_t BriskoSettings::*member;
} kBoxes[] = {
    {IDC_BRI_DECOMPRESS, &BriskoSettings::decompressBinaries}, {IDC_BRI_VIEW_MINE, &BriskoSettings::viewMine},
    {IDC_BRI_ADD_HEADER, &BriskoSettings::addHeader},         {IDC_BRI_PROCESS_KEPS, &BriskoSettings::processKeps},
    {IDC_BRI_PROCESS_BBS, &BriskoSettings::processBbs},       {IDC_BRI_KEPS_APPEND, &BriskoSettings::kepsAppend},
};
// The "Automatic Keps file updating" buttons for the stored values 1, 2, 3.
const int kUpdateButtons[] = {IDC_BRI_UPDATE_ORBS, IDC_BRI_UPDATE_ANY, IDC_BRI_UPDATE_NEVER};

struct BriskoState {
    Registry& registry;
    BriskoSettings settings;
};

void OnInit(HWND dialog, BriskoState& state) {
    state.settings = LoadBriskoSettings(state.registry);
    for (const auto& box : kBoxes) SetChecked(dialog, box.id, state.settings.*box.member == 1);
    const int button = UpdateKepsButton(state.settings.updateKeps);
    for (int i = 0; i < 3; ++i) SetChecked(dialog, kUpdateButtons[i], button == i + 1);
    SetEditText(dialog, IDC_BRI_CALLSIGN, state.settings.updateCallsign, 9);
    const std::vector<std::string> choices = SpacecraftChoices(PacsatSatelliteNames(state.registry));
    FillComboBox(dialog, IDC_BRI_SPACECRAFT, choices);
    SetComboIndex(dialog, IDC_BRI_SPACECRAFT,
                  static_cast<int>(SpacecraftChoiceIndex(choices, state.settings.updateSpacecraft)));
}

BriskoSetupForm ReadForm(HWND dialog) {
    BriskoSetupForm form;
    for (const auto& box : kBoxes) form.checks.*box.member = IsChecked(dialog, box.id) ? 1 : 0;
    for (int i = 0; i < 3; ++i) {
        if (IsChecked(dialog, kUpdateButtons[i])) form.updateKepsButton = i + 1;
    }
    form.updateCallsign = ControlText(dialog, IDC_BRI_CALLSIGN);
    form.spacecraft = ComboText(dialog, IDC_BRI_SPACECRAFT).value_or(kAllSpacecraft);
    return form;
}

void OnOk(HWND dialog, BriskoState& state) {
    if (auto problem = ReadBriskoSetupForm(ReadForm(dialog), state.settings)) {
        ShowFieldProblem(dialog, *problem, IDC_BRI_CALLSIGN, "Tarvon");
        return;
    }
    SaveBriskoSettings(state.registry, state.settings);
    EndDialog(dialog, IDOK);
}

}  // namespace

void BriskoSetupDialog(HWND owner, Registry& registry) {
    static const DialogHandlers<BriskoState> handlers{
        .place = "Brisko setup dialog",
        .init = OnInit,
        .helpButton = IDC_BRI_HELP,
        .helpContext = FixedHelp<BriskoState, IDH_BRISKO_SETUP>,
        .ok = OnOk};
    BriskoState state{registry, {}};
    RunModalDialog(owner, IDD_BRISKO_SETUP, state, handlers);
}

}  // namespace tarvon
