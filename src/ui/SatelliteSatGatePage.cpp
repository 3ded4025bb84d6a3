// The SatGate page: the mail this station passes on for the satellite.
#include <windows.h>

#include "core/PublicIds.h"
#include "core/SatelliteLinkForms.h"
#include "ui/DialogFields.h"
#include "ui/SatelliteLinkPagesIds.h"
#include "ui/SatellitePages.h"

namespace tarvon {
namespace {

// In the order of SatGateField.
constexpr int kFieldIds[] = {IDC_SGT_CALLSIGN, IDC_SGT_COLLECT};

void Init(HWND page) {
    FillComboBox(page, IDC_SGT_PRIORITY, ChoiceNames(SatelliteList::MailPriority));
    LimitText(page, IDC_SGT_CALLSIGN, link_limits::kCallsign);
    LimitText(page, IDC_SGT_COLLECT, link_limits::kCollect);
}

void Show(HWND page, const SatelliteSheet& sheet) {
    const SatGateForm f = SatGateFormFor(sheet.config);
    SetControlText(page, IDC_SGT_CALLSIGN, f.callsign);
    SetControlText(page, IDC_SGT_COLLECT, f.collect);
    SetComboIndex(page, IDC_SGT_PRIORITY, f.priority);
}

bool Keep(HWND page, SatelliteSheet& sheet) {
    const SatGateForm f{ControlText(page, IDC_SGT_CALLSIGN), ControlText(page, IDC_SGT_COLLECT),
                        ComboIndex(page, IDC_SGT_PRIORITY)};
    if (auto problem = ReadSatGateForm(f, sheet.config)) {
        RefuseField(page, kFieldIds[problem->field], problem->message, kSatelliteSetupCaption);
        return true;
    }
    return false;
}

}  // namespace

const SatellitePage& SatGatePage() {
    static constexpr SatellitePage kPage{SatellitePageId::SatGate, IDD_SAT_SATGATE, IDH_SAT_VANT,
                                         "satellite SatGate page", Show, Keep, nullptr, Init};
    return kPage;
}

}  // namespace tarvon
