// The Position page: callsign, position with its sides, operating hours.
#include <windows.h>
#include <prsht.h>

#include "core/PublicIds.h"
#include "core/StationFields.h"
#include "ui/DialogFields.h"
#include "ui/StationSetupIds.h"
#include "ui/StationSetupPages.h"

namespace tarvon {
namespace {

constexpr int kFieldIds[] = {IDC_POS_CALLSIGN, IDC_POS_LATITUDE, IDC_POS_LONGITUDE,
                             IDC_POS_ALTITUDE, IDC_POS_STOP_HOUR, IDC_POS_START_HOUR};

void EnableHours(HWND page) {
    const bool limit = IsChecked(page, IDC_POS_LIMIT_HOURS);
    EnableWindow(GetDlgItem(page, IDC_POS_STOP_HOUR), limit);
    EnableWindow(GetDlgItem(page, IDC_POS_START_HOUR), limit);
}

void OnInit(HWND page, StationSetup& setup) {
    LimitText(page, IDC_POS_CALLSIGN, position_limits::kCallsign);
    for (int id : {IDC_POS_LATITUDE, IDC_POS_LONGITUDE, IDC_POS_ALTITUDE}) LimitText(page, id, position_limits::kDegrees);
    for (int id : {IDC_POS_STOP_HOUR, IDC_POS_START_HOUR}) LimitText(page, id, position_limits::kHour);
    const PositionFields f = PositionFieldsFor(setup.station);
    SetControlText(page, IDC_POS_CALLSIGN, f.callsign);
    SetControlText(page, IDC_POS_LATITUDE, f.latitude);
    SetControlText(page, IDC_POS_LONGITUDE, f.longitude);
    SetControlText(page, IDC_POS_ALTITUDE, f.altitude);
    CheckRadioButton(page, IDC_POS_NORTH, IDC_POS_SOUTH, f.south ? IDC_POS_SOUTH : IDC_POS_NORTH);
    CheckRadioButton(page, IDC_POS_EAST, IDC_POS_WEST, f.east ? IDC_POS_EAST : IDC_POS_WEST);
    SetChecked(page, IDC_POS_LIMIT_HOURS, f.limitHours);
    SetControlText(page, IDC_POS_STOP_HOUR, f.stopHour);
    SetControlText(page, IDC_POS_START_HOUR, f.startHour);
    EnableHours(page);
}

// TRUE keeps the page: a field cannot be stored.
bool Refused(HWND page, StationSetup& setup) {
    PositionFields f;
    f.callsign = ControlText(page, IDC_POS_CALLSIGN);
    f.latitude = ControlText(page, IDC_POS_LATITUDE);
    f.longitude = ControlText(page, IDC_POS_LONGITUDE);
    f.altitude = ControlText(page, IDC_POS_ALTITUDE);
    f.south = IsChecked(page, IDC_POS_SOUTH);
    f.east = IsChecked(page, IDC_POS_EAST);
    f.limitHours = IsChecked(page, IDC_POS_LIMIT_HOURS);
    f.stopHour = ControlText(page, IDC_POS_STOP_HOUR);
    f.startHour = ControlText(page, IDC_POS_START_HOUR);
    StationConfig station = setup.station;
    if (auto problem = StationFromPositionFields(f, station)) {
        RefuseField(page, kFieldIds[problem->field], problem->message, L"Tarvon");
        return true;
    }
    setup.station = station;
    return false;
}

void OnCommand(HWND page, StationSetup&, WPARAM wParam) {
    if (LOWORD(wParam) == IDC_POS_LIMIT_HOURS) EnableHours(page);
}

}  // namespace

INT_PTR CALLBACK PositionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr StationPage kKind{IDH_STATION, "station position page", OnInit, Refused, OnCommand};
    return StationPageMessage(kKind, page, message, wParam, lParam);
}

}  // namespace tarvon
