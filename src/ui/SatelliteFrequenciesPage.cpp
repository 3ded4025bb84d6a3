// The Frequencies page: four uplinks and four downlinks, the default of each
// and their modes.
#include <windows.h>

#include "core/PublicIds.h"
#include "core/SatelliteSetupForms.h"
#include "hardware/DriverCodes.h"
#include "ui/DialogFields.h"
#include "ui/SatellitePages.h"
#include "ui/SatelliteSetupIds.h"

namespace tarvon {
namespace {

namespace lim = satellite_limits;

constexpr int kLinks = 4;

// Field numbers 0-3 are the uplinks, 4-7 the downlinks, then "Num. Uplinks".
int ControlOf(int field) {
    if (field == kFrequenciesUplinks) return IDC_FRQ_UPLINKS;
    return field < kLinks ? IDC_FRQ_UPLINK1 + field : IDC_FRQ_DOWNLINK1 + field - kLinks;
}

// The chosen radio button of a group of four, 1-based; 0 when none is.
int ChosenOf(HWND page, int first) {
    for (int i = 0; i < kLinks; ++i) {
        if (IsChecked(page, first + i)) return i + 1;
    }
    return 0;
}

void Init(HWND page) {
    for (int i = 0; i < kLinks; ++i) {
        LimitText(page, IDC_FRQ_UPLINK1 + i, lim::kFrequency);
        LimitText(page, IDC_FRQ_DOWNLINK1 + i, lim::kFrequency);
    }
    LimitText(page, IDC_FRQ_UPLINKS, lim::kTwoDigits);
}

void Show(HWND page, const SatelliteSheet& sheet) {
    const SatelliteFrequenciesForm f = SatelliteFrequenciesFormFor(sheet.config);
    for (int i = 0; i < kLinks; ++i) {
        SetControlText(page, IDC_FRQ_UPLINK1 + i, f.uplink[i]);
        SetControlText(page, IDC_FRQ_DOWNLINK1 + i, f.downlink[i]);
        SetChecked(page, IDC_FRQ_DEFAULT_UPLINK1 + i, f.defaultUplink == i + 1);
        SetChecked(page, IDC_FRQ_DEFAULT_DOWNLINK1 + i, f.defaultDownlink == i + 1);
    }
    FillDropDown(page, IDC_FRQ_UPLINK_MODE, kModeNames, kModeCount, size_t(f.uplinkMode));
    FillDropDown(page, IDC_FRQ_DOWNLINK_MODE, kModeNames, kModeCount, size_t(f.downlinkMode));
    SetControlText(page, IDC_FRQ_UPLINKS, f.uplinks);
}

bool Keep(HWND page, SatelliteSheet& sheet) {
    SatelliteFrequenciesForm f;
    for (int i = 0; i < kLinks; ++i) {
        f.uplink[i] = ControlText(page, IDC_FRQ_UPLINK1 + i);
        f.downlink[i] = ControlText(page, IDC_FRQ_DOWNLINK1 + i);
    }
    f.defaultUplink = ChosenOf(page, IDC_FRQ_DEFAULT_UPLINK1);
    f.defaultDownlink = ChosenOf(page, IDC_FRQ_DEFAULT_DOWNLINK1);
    f.uplinkMode = ComboIndex(page, IDC_FRQ_UPLINK_MODE);
    f.downlinkMode = ComboIndex(page, IDC_FRQ_DOWNLINK_MODE);
    f.uplinks = ControlText(page, IDC_FRQ_UPLINKS);
    if (auto problem = ReadSatelliteFrequenciesForm(f, sheet.config)) {
        RefuseField(page, ControlOf(problem->field), problem->message, kSatelliteSetupCaption);
        return true;
    }
    return false;
}

}  // namespace

const SatellitePage& FrequenciesPage() {
    static constexpr SatellitePage kPage{SatellitePageId::Frequencies, IDD_SAT_FREQUENCIES, IDH_SAT_FREQUENCIES,
                                         "satellite frequencies page", Show, Keep, nullptr, Init};
    return kPage;
}

}  // namespace tarvon
