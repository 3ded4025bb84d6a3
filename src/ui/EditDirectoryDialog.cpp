#include "ui/EditDirectoryDialog.h"

#include <string>

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "maint/DirectoryHoles.h"
#include "maint/MaintTexts.h"
#include "platform/Clock.h"
#include "ui/MaintDialogIds.h"
#include "ui/ModalDialog.h"
#include "ui/SatelliteChoice.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr int kDaysDigits = 4;

struct DirectoryState {
    Registry& registry;
    Clock& clock;
};

void OnInit(HWND dialog, DirectoryState& state) {
    FillSatelliteChoice(dialog, IDC_DIR_SATELLITES, PacsatSatelliteNames(state.registry));
    SendDlgItemMessageW(dialog, IDC_DIR_DAYS, EM_LIMITTEXT, kDaysDigits, 0);
}

void ShowHoleCount(HWND dialog, DirectoryState& state) {
    SetDlgItemTextW(dialog, IDC_DIR_HOLE_COUNT, L"");
    const std::string directory = SatelliteDirectoryOf(state.registry, ChosenSatellite(dialog, IDC_DIR_SATELLITES));
    if (directory.empty()) return;
    if (auto count = CountHoles(directory)) {
        SetDlgItemTextW(dialog, IDC_DIR_HOLE_COUNT, std::to_wstring(*count).c_str());
    }
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

void OnCommand(HWND dialog, DirectoryState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: return OnOk(dialog, state);
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    case IDC_DIR_SATELLITES:
        if (HIWORD(wParam) == LBN_SELCHANGE) ShowHoleCount(dialog, state);
        return;
    default: return;
    }
}

}  // namespace

void EditDirectoryDialog(HWND owner, Registry& registry, Clock& clock) {
    DirectoryState state{registry, clock};
    RunModalDialog(owner, IDD_EDIT_DIRECTORY, state, {.place = "edit directory dialog",
                    .init = OnInit,
                    .command = OnCommand,
                    .helpButton = IDC_DIR_HELP,
                    .helpContext = [](const DirectoryState&) -> unsigned { return IDH_DIRECTORY_MAINTENANCE; }});
}

}  // namespace tarvon
