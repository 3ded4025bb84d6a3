#include "rr/DriverSetupDialog.h"

#include <string>

#include "hardware/DaemonEndpoints.h"
#include "hardware/HamlibDriver.h"
#include "rr/DriverSetupIds.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

struct DialogState {
    Registry& registry;
    NetConnector& connector;
};

struct EndpointControls {
    int host, port;
};
constexpr EndpointControls kRotatorControls{IDC_ROTCTLD_HOST, IDC_ROTCTLD_PORT};
constexpr EndpointControls kRadioControls{IDC_RIGCTLD_HOST, IDC_RIGCTLD_PORT};

std::string ControlText(HWND dialog, int id) {
    wchar_t text[300] = {};
    GetDlgItemTextW(dialog, id, text, 300);
    return Narrow(text);
}

void ShowEndpoint(HWND dialog, EndpointControls c, const DaemonEndpoint& endpoint) {
    SetDlgItemTextW(dialog, c.host, Widen(endpoint.host).c_str());
    SetDlgItemInt(dialog, c.port, endpoint.port, FALSE);
}

// The endpoint in the fields, or false after telling the user what is wrong.
bool ReadEndpoint(HWND dialog, EndpointControls c, DaemonEndpoint& endpoint) {
    const std::string problem = ParseDaemonEndpoint(ControlText(dialog, c.host), ControlText(dialog, c.port), endpoint);
    if (problem.empty()) return true;
    MessageBoxW(dialog, Widen(problem).c_str(), L"Rotator and Radio Driver", MB_OK | MB_ICONEXCLAMATION);
    SetFocus(GetDlgItem(dialog, c.host));
    return false;
}

void Test(HWND dialog, DialogState& state, EndpointControls c, bool rotator) {
    DaemonEndpoint endpoint;
    if (!ReadEndpoint(dialog, c, endpoint)) return;
    HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const std::string answer = DescribeDaemonAnswer(state.connector, endpoint, rotator);
    SetCursor(old);
    SetDlgItemTextW(dialog, IDC_DAEMON_ANSWER, Widen(answer).c_str());
}

void OnOk(HWND dialog, DialogState& state) {
    DaemonEndpoints endpoints;
    if (!ReadEndpoint(dialog, kRotatorControls, endpoints.rotator)) return;
    if (!ReadEndpoint(dialog, kRadioControls, endpoints.radio)) return;
    if (!SaveDaemonEndpoints(state.registry, endpoints)) {
        MessageBoxW(dialog, L"The settings could not be saved.", L"Rotator and Radio Driver",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
            state = reinterpret_cast<DialogState*>(lParam);
            const DaemonEndpoints endpoints = LoadDaemonEndpoints(state->registry);
            ShowEndpoint(dialog, kRotatorControls, endpoints.rotator);
            ShowEndpoint(dialog, kRadioControls, endpoints.radio);
            return TRUE;
        }
        if (message != WM_COMMAND || !state) return FALSE;
        switch (LOWORD(wParam)) {
            case IDC_ROTCTLD_TEST: Test(dialog, *state, kRotatorControls, true); return TRUE;
            case IDC_RIGCTLD_TEST: Test(dialog, *state, kRadioControls, false); return TRUE;
            case IDOK: OnOk(dialog, *state); return TRUE;
            case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
            default: return FALSE;
        }
    } catch (...) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
}

}  // namespace

void ShowDriverSetupDialog(HMODULE library, HWND owner, Registry& registry, NetConnector& connector) {
    DialogState state{registry, connector};
    DialogBoxParamW(library, MAKEINTRESOURCEW(IDD_DRIVER_SETUP), owner, DialogProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace tarvon
