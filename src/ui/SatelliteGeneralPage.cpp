// The General page: name, type, state and the satellite's callsigns.
#include <windows.h>

#include <iterator>

#include "core/PublicIds.h"
#include "core/SatelliteSetupForms.h"
#include "ui/DialogFields.h"
#include "ui/MainWindow.h"
#include "ui/SatellitePages.h"
#include "ui/SatelliteSetupIds.h"

namespace tarvon {
namespace {

namespace lim = satellite_limits;

constexpr int kFieldIds[] = {IDC_GEN_NAME, IDC_GEN_TYPE, IDC_GEN_TLM, IDC_GEN_BDCST, IDC_GEN_BBS, IDC_GEN_NUP};
constexpr size_t kPacSat = 0;

// Only a PacSat can have the station as its SatGate.
void EnableSatGate(HWND page) {
    EnableWindow(GetDlgItem(page, IDC_GEN_SATGATE), DropDownChoice(page, IDC_GEN_TYPE, kPacSat + 1) == kPacSat);
}

void Init(HWND page) {
    LimitText(page, IDC_GEN_NAME, lim::kName);
    LimitText(page, IDC_GEN_TLM, lim::kPath);
    for (int id : {IDC_GEN_BDCST, IDC_GEN_BBS, IDC_GEN_NUP}) LimitText(page, id, lim::kCallsign);
}

void Show(HWND page, const SatelliteSheet& sheet) {
    const SatelliteGeneralForm f = SatelliteGeneralFormFor(sheet.config);
    SetControlText(page, IDC_GEN_NAME, f.name);
    FillDropDown(page, IDC_GEN_TYPE, kSatelliteTypeNames, std::size(kSatelliteTypeNames), size_t(f.type));
    SetControlText(page, IDC_GEN_TLM, f.tlmFile);
    FillDropDown(page, IDC_GEN_STATE, kSatelliteStateNames, std::size(kSatelliteStateNames), size_t(f.state));
    SetChecked(page, IDC_GEN_SATGATE, f.enableSatGate);
    SetControlText(page, IDC_GEN_BDCST, f.bdcstCallsign);
    SetControlText(page, IDC_GEN_BBS, f.bbsCallsign);
    SetControlText(page, IDC_GEN_NUP, f.nupCallsign);
    EnableSatGate(page);
}

bool Keep(HWND page, SatelliteSheet& sheet) {
    SatelliteGeneralForm f;
    f.name = ControlText(page, IDC_GEN_NAME);
    f.type = ComboIndex(page, IDC_GEN_TYPE);
    f.tlmFile = ControlText(page, IDC_GEN_TLM);
    f.state = ComboIndex(page, IDC_GEN_STATE);
    f.enableSatGate = IsChecked(page, IDC_GEN_SATGATE);
    f.bdcstCallsign = ControlText(page, IDC_GEN_BDCST);
    f.bbsCallsign = ControlText(page, IDC_GEN_BBS);
    f.nupCallsign = ControlText(page, IDC_GEN_NUP);
    if (auto problem = ReadSatelliteGeneralForm(f, sheet.config)) {
        RefuseField(page, kFieldIds[problem->field], problem->message, kSatelliteSetupCaption);
        return true;
    }
    // A new satellite's directories and program follow its name and type
    // until it is saved; an existing one's are the user's.
    if (sheet.isNew) ApplyNameDefaults(sheet.config, sheet.main.settings->general.kovaDirectory);
    return false;
}

void Command(HWND page, SatelliteSheet&, WPARAM wParam) {
    if (LOWORD(wParam) == IDC_GEN_TYPE && HIWORD(wParam) == CBN_SELCHANGE) EnableSatGate(page);
}

}  // namespace

const SatellitePage& GeneralPage() {
    static constexpr SatellitePage kPage{SatellitePageId::General, IDD_SAT_GENERAL, IDH_SATELLITES, "satellite general page",
                                         Show, Keep, Command, Init};
    return kPage;
}

}  // namespace tarvon
