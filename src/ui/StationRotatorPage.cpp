// The Rotator page: the interface type and the controls it uses, the
// driver library's own set-up, parking and the rotor display.
#include <windows.h>
#include <prsht.h>

#include <iterator>

#include "core/PublicIds.h"
#include "hardware/RotatorProtocol.h"
#include "hardware/RotatorSetup.h"
#include "hardware/TrackingController.h"
#include "ui/DialogFields.h"
#include "ui/MainWindow.h"
#include "ui/StationSetupIds.h"
#include "ui/StationSetupPages.h"
#include "win32/RrLibrary.h"

namespace tarvon {
namespace {

constexpr const char* kPorts[] = {"COM1", "COM2", "COM3", "COM4"};
constexpr const char* kSpeeds[] = {"1200", "2400", "4800", "9600", "19200"};
constexpr int kFieldIds[] = {IDC_ROT_PACING, IDC_ROT_PARK_AZ, IDC_ROT_PARK_EL};
// The band mask the driver's radio is opened with before its set-up dialog.
constexpr uint32_t kSetupBandMask = 0x201;

uint32_t ChosenType(HWND page) {
    return static_cast<uint32_t>(DropDownChoice(page, IDC_ROT_TYPE, kRotatorNone));
}

void ApplyEnabling(HWND page) {
    const RotatorControls c = RotatorControlsFor(ChosenType(page));
    for (int id : {IDC_ROT_PORT, IDC_ROT_SPEED, IDC_ROT_PACING}) EnableWindow(GetDlgItem(page, id), c.portSpeedPacing);
    for (int id : {IDC_ROT_SETUP, IDC_ROT_DISPLAY_ACTUAL}) EnableWindow(GetDlgItem(page, id), c.driverSetup);
    for (int id : {IDC_ROT_PARK, IDC_ROT_PARK_AZ, IDC_ROT_PARK_EL}) EnableWindow(GetDlgItem(page, id), c.park);
}

void OnInit(HWND page, StationSetup& setup) {
    const RotatorFields f = RotatorFieldsFor(setup.general);
    FillDropDown(page, IDC_ROT_TYPE, kRotatorTypeNames, std::size(kRotatorTypeNames), f.type);
    FillDropDown(page, IDC_ROT_PORT, kPorts, std::size(kPorts), f.port - 1);
    size_t speed = 3;  // 9600
    for (size_t i = 0; i < std::size(kRotatorSpeeds); ++i) {
        if (kRotatorSpeeds[i] == f.speed) speed = i;
    }
    FillDropDown(page, IDC_ROT_SPEED, kSpeeds, std::size(kSpeeds), speed);
    LimitText(page, IDC_ROT_PACING, rotator_limits::kPacingDelay);
    LimitText(page, IDC_ROT_PARK_AZ, rotator_limits::kParkAngle);
    LimitText(page, IDC_ROT_PARK_EL, rotator_limits::kParkAngle);
    SetControlText(page, IDC_ROT_PACING, f.pacingDelay);
    SetControlText(page, IDC_ROT_PARK_AZ, f.parkAz);
    SetControlText(page, IDC_ROT_PARK_EL, f.parkEl);
    CheckRadioButton(page, IDC_ROT_SOUTH, IDC_ROT_NORTH, f.southStop ? IDC_ROT_SOUTH : IDC_ROT_NORTH);
    SetChecked(page, IDC_ROT_FLIP, f.flip);
    SetChecked(page, IDC_ROT_PARK, f.park);
    SetChecked(page, IDC_ROT_DISPLAY_ACTUAL, f.displayActual);
    ApplyEnabling(page);
}

// The library's dialog wants its radio opened once first. While a pass
// tunes the radio through the library, opening and closing it again would
// end that tuning, so the dialog is then shown as it is.
void OnSetup(HWND page, const StationSetup& setup) {
    RrLibrary* library = setup.main.driverLibrary;
    if (!library) return;
    if (!setup.main.tracking || !setup.main.tracking->RadioInUse()) {
        library->RadioOpen(kSetupBandMask);
        library->RadioClose();
    }
    library->Configure(page, setup.main.instance);
}

bool Refused(HWND page, StationSetup& setup) {
    RotatorFields f;
    f.type = ChosenType(page);
    f.port = static_cast<uint32_t>(DropDownChoice(page, IDC_ROT_PORT, 0)) + 1;
    f.speed = kRotatorSpeeds[DropDownChoice(page, IDC_ROT_SPEED, 3)];
    f.pacingDelay = ControlText(page, IDC_ROT_PACING);
    f.southStop = IsChecked(page, IDC_ROT_SOUTH);
    f.flip = IsChecked(page, IDC_ROT_FLIP);
    f.park = IsChecked(page, IDC_ROT_PARK);
    f.parkAz = ControlText(page, IDC_ROT_PARK_AZ);
    f.parkEl = ControlText(page, IDC_ROT_PARK_EL);
    f.displayActual = IsChecked(page, IDC_ROT_DISPLAY_ACTUAL);
    GeneralSettings general = setup.general;
    if (auto problem = RotatorFromFields(f, general)) {
        RefuseField(page, kFieldIds[problem->field], problem->message, L"Tarvon");
        return true;
    }
    setup.general = general;
    return false;
}

void OnCommand(HWND page, StationSetup& setup, WPARAM wParam) {
    if (LOWORD(wParam) == IDC_ROT_TYPE && HIWORD(wParam) == CBN_SELCHANGE) ApplyEnabling(page);
    if (LOWORD(wParam) == IDC_ROT_SETUP) OnSetup(page, setup);
}

}  // namespace

INT_PTR CALLBACK RotatorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr StationPage kKind{IDH_STATION, "station rotator page", OnInit, Refused, OnCommand};
    return StationPageMessage(kKind, page, message, wParam, lParam);
}

}  // namespace tarvon
