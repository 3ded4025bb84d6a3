#include "ui/StationSetupDialog.h"

#include <commctrl.h>
#include <prsht.h>

#include <iterator>

#include "core/SettingsStore.h"
#include "core/StationFields.h"
#include "ui/Help.h"
#include "ui/StationHardware.h"
#include "ui/StationSetupIds.h"
#include "ui/StationSetupPages.h"
#include "ui/UiBarrier.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

PROPSHEETPAGEW Page(const MainWindowState& main, int templateId, DLGPROC procedure, StationSetup& setup) {
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_HASHELP;
    page.hInstance = main.instance;
    page.pszTemplate = MAKEINTRESOURCEW(templateId);
    page.pfnDlgProc = procedure;
    page.lParam = reinterpret_cast<LPARAM>(&setup);
    return page;
}

void WriteAndApply(StationSetup& s) {
    Registry& registry = *s.main.registry;
    const StationConfig before = s.main.settings->station;
    SaveStationPosition(registry, s.station);
    SaveRotatorSettings(registry, s.general);
    // A transverter deleted and then entered again under its name is new.
    for (const std::string& name : s.deletedTransverters) DeleteTransverter(registry, name);
    if (s.transverter) SaveTransverter(registry, *s.transverter);
    GeneralSettings inForce = s.general;
    ApplyRotatorRules(inForce);
    if (s.main.hooks.applyStationSetup) s.main.hooks.applyStationSetup(s.station, inForce);
    UpdateRotatorCommand(s.main, inForce.rotatorType);
    if (OperatingHoursChanged(before, s.station)) {
        MessageBoxW(s.main.window, Widen(kOperatingHoursChanged).c_str(), L"Tarvon", MB_OK | MB_ICONINFORMATION);
    }
}

INT_PTR PageResult(HWND page, LONG_PTR result) {
    SetWindowLongPtrW(page, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR OnNotify(const StationPage& kind, HWND page, StationSetup& setup, const NMHDR& header) {
    switch (header.code) {
    case PSN_KILLACTIVE: return PageResult(page, kind.refused(page, setup));
    case PSN_APPLY: setup.accepted = true; return PageResult(page, PSNRET_NOERROR);
    case PSN_HELP: ShowHelp(page, kind.helpContext); return TRUE;
    default: return FALSE;
    }
}

StationSetup* SetupOf(HWND page) { return reinterpret_cast<StationSetup*>(GetWindowLongPtrW(page, GWLP_USERDATA)); }

}  // namespace

INT_PTR StationPageMessage(const StationPage& kind, HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG: {
            auto* setup = reinterpret_cast<StationSetup*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
            SetWindowLongPtrW(page, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(setup));
            kind.init(page, *setup);
            return TRUE;
        }
        case WM_COMMAND:
            if (StationSetup* setup = SetupOf(page)) kind.command(page, *setup, wParam);
            return TRUE;
        case WM_NOTIFY: {
            StationSetup* setup = SetupOf(page);
            return setup ? OnNotify(kind, page, *setup, *reinterpret_cast<const NMHDR*>(lParam)) : FALSE;
        }
        case WM_HELP: return AnswerHelpRequest(page, kind.helpContext, lParam);
        default: return FALSE;
        }
    } catch (...) {
        RecordCaughtInWindow(kind.name);
        return FALSE;
    }
}

void StationSetupDialog(MainWindowState& state) {
    StationSetup setup{state, state.settings->station, state.settings->general, {}, {}, false};
    PROPSHEETPAGEW pages[] = {Page(state, IDD_STATION_POSITION, PositionPageProc, setup),
                              Page(state, IDD_STATION_ROTATOR, RotatorPageProc, setup),
                              Page(state, IDD_STATION_TRANSVERTERS, TransvertersPageProc, setup)};
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP;
    header.hwndParent = state.window;
    header.hInstance = state.instance;
    header.pszCaption = L"Station";
    header.nPages = static_cast<UINT>(std::size(pages));
    header.ppsp = pages;
    PropertySheetW(&header);
    if (setup.accepted) WriteAndApply(setup);
}

}  // namespace tarvon
