#include "ui/EditDirectoryDialog.h"

#include <string>

#include "core/SatelliteConfig.h"
#include "maint/DirectoryHoles.h"
#include "maint/MaintTexts.h"
#include "platform/Clock.h"
#include "ui/MaintDialogIds.h"
#include "ui/SatelliteChoice.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr DWORD kHelpContext = 421;
constexpr int kDaysDigits = 4;

struct DirectoryState {
    Registry& registry;
    Clock& clock;
};

DirectoryState& StateOf(HWND dialog) {
    return *reinterpret_cast<DirectoryState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

void OnInit(HWND dialog, DirectoryState& state) {
    FillSatelliteChoice(dialog, IDC_DIR_SATELLITES, PacsatSatelliteNames(state.registry));
    SendDlgItemMessageW(dialog, IDC_DIR_DAYS, EM_LIMITTEXT, kDaysDigits, 0);
}

void ShowHoleCount(HWND dialog, DirectoryState& state) {
    SetDlgItemTextW(dialog, IDC_DIR_HOLE_COUNT, L"");
    const std::string directory = SatelliteDirectoryOf(state.registry, ChosenSatellite(dialog, IDC_DIR_SATELLITES));
    if (directory.empty()) return;
    if (auto count = CountHoles(directory)) SetDlgItemTextW(dialog, IDC_DIR_HOLE_COUNT, std::to_wstring(*count).c_str());
}

void OnOk(HWND dialog, DirectoryState& state) {
    const std::string directory = SatelliteDirectoryOf(state.registry, ChosenSatellite(dialog, IDC_DIR_SATELLITES));
    if (directory.empty()) return;
    HoleEdit edit;
    edit.removeHoles = IsDlgButtonChecked(dialog, IDC_DIR_REMOVE_HOLES) == BST_CHECKED;
    edit.resetDate = IsDlgButtonChecked(dialog, IDC_DIR_RESET_DATE) == BST_CHECKED;
    edit.days = GetDlgItemInt(dialog, IDC_DIR_DAYS, nullptr, FALSE);
    if (!UpdateHoleList(directory, edit, state.clock.NowUnix())) {
        MessageBoxW(dialog, Widen(kDirectoryUpdateFailed).c_str(), Widen(kMaintCaption).c_str(),
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    DirectoryState& state = StateOf(dialog);
    switch (LOWORD(wParam)) {
    case IDOK: return OnOk(dialog, state);
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    case IDC_DIR_HELP: WinHelpW(dialog, L"KOVA.HLP", HELP_CONTEXT, kHelpContext); return;
    case IDC_DIR_SATELLITES:
        if (HIWORD(wParam) == LBN_SELCHANGE) ShowHoleCount(dialog, state);
        return;
    default: return;
    }
}

INT_PTR CALLBACK DirectoryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
            OnInit(dialog, *reinterpret_cast<DirectoryState*>(lParam));
            return TRUE;
        case WM_COMMAND: OnCommand(dialog, wParam); return TRUE;
        default: return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

void EditDirectoryDialog(HWND owner, Registry& registry, Clock& clock) {
    DirectoryState state{registry, clock};
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_EDIT_DIRECTORY), owner, DirectoryProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace tarvon
