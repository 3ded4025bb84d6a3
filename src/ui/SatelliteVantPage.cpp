// The VANT Settings page: the satellite program's options for this satellite.
#include <windows.h>

#include "core/PublicIds.h"
#include "core/SatelliteLinkForms.h"
#include "ui/DialogFields.h"
#include "ui/SatelliteLinkPagesIds.h"
#include "ui/SatellitePages.h"

namespace tarvon {
namespace {

namespace lim = link_limits;

// In the order of VantField.
constexpr int kFieldIds[] = {IDC_SVO_INACTIVITY, IDC_SVO_UP_TO_DATE, IDC_SVO_THRESHOLD, IDC_SVO_CHANGE_FREQ};

int OptionId(size_t position) { return IDC_SVO_FIRST_OPTION + static_cast<int>(position); }

void Init(HWND page) {
    FillComboBox(page, IDC_SVO_CUSTOMISATION, ChoiceNames(SatelliteList::Customisation));
    FillComboBox(page, IDC_SVO_TAIL_ACTION, ChoiceNames(SatelliteList::TailAction));
    FillComboBox(page, IDC_SVO_DIR_PRIORITY, ChoiceNames(SatelliteList::DirPriority));
    LimitText(page, IDC_SVO_INACTIVITY, lim::kTimeout);
    LimitText(page, IDC_SVO_UP_TO_DATE, lim::kTimeout);
    LimitText(page, IDC_SVO_THRESHOLD, lim::kThreshold);
    LimitText(page, IDC_SVO_CHANGE_FREQ, lim::kTries);
}

void Show(HWND page, const SatelliteSheet& sheet) {
    const VantForm f = VantFormFor(sheet.config);
    for (size_t i = 0; i < kVantOptionCount; ++i) SetChecked(page, OptionId(i), f.options[i]);
    SetComboIndex(page, IDC_SVO_CUSTOMISATION, f.customisation);
    SetComboIndex(page, IDC_SVO_TAIL_ACTION, f.tailAction);
    SetComboIndex(page, IDC_SVO_DIR_PRIORITY, f.dirPriority);
    SetControlText(page, IDC_SVO_INACTIVITY, f.inactivityTimeout);
    SetControlText(page, IDC_SVO_UP_TO_DATE, f.upToDateTimeout);
    SetControlText(page, IDC_SVO_THRESHOLD, f.procThreshold);
    SetControlText(page, IDC_SVO_CHANGE_FREQ, f.changeFreq);
}

bool Keep(HWND page, SatelliteSheet& sheet) {
    VantForm f;
    for (size_t i = 0; i < kVantOptionCount; ++i) f.options[i] = IsChecked(page, OptionId(i));
    f.customisation = ComboIndex(page, IDC_SVO_CUSTOMISATION);
    f.tailAction = ComboIndex(page, IDC_SVO_TAIL_ACTION);
    f.dirPriority = ComboIndex(page, IDC_SVO_DIR_PRIORITY);
    f.inactivityTimeout = ControlText(page, IDC_SVO_INACTIVITY);
    f.upToDateTimeout = ControlText(page, IDC_SVO_UP_TO_DATE);
    f.procThreshold = ControlText(page, IDC_SVO_THRESHOLD);
    f.changeFreq = ControlText(page, IDC_SVO_CHANGE_FREQ);
    if (auto problem = ReadVantForm(f, sheet.config)) {
        RefuseField(page, kFieldIds[problem->field], problem->message, kSatelliteSetupCaption);
        return true;
    }
    return false;
}

}  // namespace

const SatellitePage& VantPage() {
    static constexpr SatellitePage kPage{SatellitePageId::Vant, IDD_SAT_VANT, IDH_SAT_VANT,
                                         "satellite program options page", Show, Keep, nullptr, Init};
    return kPage;
}

}  // namespace tarvon
