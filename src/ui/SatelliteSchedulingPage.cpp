// The Scheduling page: the satellite's program and how its passes are chosen.
#include <windows.h>

#include <iterator>

#include "core/PublicIds.h"
#include "core/SatelliteSetupForms.h"
#include "ui/DialogFields.h"
#include "ui/SatellitePages.h"
#include "ui/SatelliteSetupIds.h"

namespace tarvon {
namespace {

namespace lim = satellite_limits;

constexpr int kFieldIds[] = {IDC_SCH_PROGRAM,       IDC_SCH_DIRECTORY,     IDC_SCH_PASS_CHECK_TIME, IDC_SCH_PRIORITY,
                             IDC_SCH_MIN_ELEVATION, IDC_SCH_MIN_PASS_TIME, IDC_SCH_START_TIME};

void Init(HWND page) {
    LimitText(page, IDC_SCH_PROGRAM, lim::kPath);
    LimitText(page, IDC_SCH_DIRECTORY, lim::kPath);
    for (int id : {IDC_SCH_PASS_CHECK_TIME, IDC_SCH_PRIORITY, IDC_SCH_MIN_PASS_TIME, IDC_SCH_START_TIME}) {
        LimitText(page, id, lim::kNumber);
    }
    LimitText(page, IDC_SCH_MIN_ELEVATION, lim::kTwoDigits);
}

void Show(HWND page, const SatelliteSheet& sheet) {
    const SatelliteSchedulingForm f = SatelliteSchedulingFormFor(sheet.config);
    SetControlText(page, IDC_SCH_PROGRAM, f.program);
    SetControlText(page, IDC_SCH_DIRECTORY, f.directory);
    FillDropDown(page, IDC_SCH_RUN, kRunAsNames, std::size(kRunAsNames), size_t(f.run));
    SetControlText(page, IDC_SCH_PASS_CHECK_TIME, f.passCheckTime);
    SetChecked(page, IDC_SCH_PASS_CHECKING, f.passChecking);
    SetControlText(page, IDC_SCH_PRIORITY, f.priority);
    SetControlText(page, IDC_SCH_MIN_ELEVATION, f.minElevation);
    SetControlText(page, IDC_SCH_MIN_PASS_TIME, f.minPassTime);
    SetControlText(page, IDC_SCH_START_TIME, f.startTime);
}

bool Keep(HWND page, SatelliteSheet& sheet) {
    SatelliteSchedulingForm f;
    f.program = ControlText(page, IDC_SCH_PROGRAM);
    f.directory = ControlText(page, IDC_SCH_DIRECTORY);
    f.run = ComboIndex(page, IDC_SCH_RUN);
    f.passCheckTime = ControlText(page, IDC_SCH_PASS_CHECK_TIME);
    f.passChecking = IsChecked(page, IDC_SCH_PASS_CHECKING);
    f.priority = ControlText(page, IDC_SCH_PRIORITY);
    f.minElevation = ControlText(page, IDC_SCH_MIN_ELEVATION);
    f.minPassTime = ControlText(page, IDC_SCH_MIN_PASS_TIME);
    f.startTime = ControlText(page, IDC_SCH_START_TIME);
    if (auto problem = ReadSatelliteSchedulingForm(f, sheet.config)) {
        RefuseField(page, kFieldIds[problem->field], problem->message, kSatelliteSetupCaption);
        return true;
    }
    return false;
}

}  // namespace

const SatellitePage& SchedulingPage() {
    static constexpr SatellitePage kPage{SatellitePageId::Scheduling, IDD_SAT_SCHEDULING, IDH_SAT_SCHEDULING,
                                         "satellite scheduling page", Show, Keep, nullptr, Init};
    return kPage;
}

}  // namespace tarvon
