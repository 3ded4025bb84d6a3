#pragma once
// The pages of the "Station" property sheet and what they hand to it. Each
// page checks its fields when it is left (or OK is pressed on it) and keeps
// them here; the sheet writes them all after OK.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "hardware/TransverterSetup.h"

namespace tarvon {

struct MainWindowState;

struct StationSetup {
    MainWindowState& main;
    StationConfig station;    // as the Position page leaves it
    GeneralSettings general;  // the rotator values as the Rotator page leaves them
    std::optional<TransverterRecord> transverter;  // written at OK, when the page was used
    std::vector<std::string> deletedTransverters;  // their keys go at OK
    bool accepted = false;
};

INT_PTR CALLBACK PositionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK RotatorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TransvertersPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// What sets one page apart; StationPageMessage does the rest.
struct StationPage {
    unsigned helpContext;
    const char* name;  // for the station log, should a handler throw
    void (*init)(HWND page, StationSetup& setup);
    bool (*refused)(HWND page, StationSetup& setup);  // true keeps the page: a field was refused
    void (*command)(HWND page, StationSetup& setup, WPARAM wParam);
};
INT_PTR StationPageMessage(const StationPage& kind, HWND page, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tarvon
