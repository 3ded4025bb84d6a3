#include "ui/ChangeObserversDialog.h"

#include <cctype>

#include "core/PublicIds.h"
#include "orbit/ObserverDatabase.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/MapDialogIds.h"

namespace tarvon {
namespace {

constexpr LRESULT kMostSelected = 5;

struct ChangeState {
    const std::filesystem::path& file;
    const std::vector<std::string>& shown;
    std::vector<ObserverGeo>& chosen;
};

void OnInit(HWND dialog, ChangeState& state) {
    for (const ObserverRecord& r : ReadObserverRecords(state.file)) AddListText(dialog, IDC_CHOBS_AVAILABLE, r.name);
    for (const std::string& name : state.shown) AddListText(dialog, IDC_CHOBS_SELECTED, name);
}

// Double-clicks move a name between the lists; the station stays first.
void Move(HWND dialog, int from, int to) {
    const LRESULT index = SendDlgItemMessageW(dialog, from, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    if (from == IDC_CHOBS_SELECTED && index == 0) return;
    if (to == IDC_CHOBS_SELECTED && SendDlgItemMessageW(dialog, to, LB_GETCOUNT, 0, 0) >= kMostSelected) return;
    AddListText(dialog, to, ListText(dialog, from, index));
    SendDlgItemMessageW(dialog, from, LB_DELETESTRING, index, 0);
}

void OnOk(HWND dialog, ChangeState& state) {
    state.chosen.clear();
    const LRESULT count = SendDlgItemMessageW(dialog, IDC_CHOBS_SELECTED, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 1; i < count; ++i) {
        const std::string name = ListText(dialog, IDC_CHOBS_SELECTED, i);
        ObserverGeo geo;
        if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) continue;
        if (LoadObserverGeo(state.file, name.c_str(), geo)) state.chosen.push_back(geo);
    }
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, ChangeState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: return OnOk(dialog, state);
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    case IDC_CHOBS_AVAILABLE:
        if (HIWORD(wParam) == LBN_DBLCLK) Move(dialog, IDC_CHOBS_AVAILABLE, IDC_CHOBS_SELECTED);
        return;
    case IDC_CHOBS_SELECTED:
        if (HIWORD(wParam) == LBN_DBLCLK) Move(dialog, IDC_CHOBS_SELECTED, IDC_CHOBS_AVAILABLE);
        return;
    default: return;
    }
}

constexpr DialogHandlers<ChangeState> kHandlers{
    .place = "change observers dialog",
    .init = OnInit,
    .command = OnCommand,
    .helpButton = IDC_CHOBS_HELP,
    .helpContext = FixedHelp<ChangeState, IDH_CHANGE_OBSERVERS>,
};

}  // namespace

bool ChangeObserversDialog(HWND owner, const std::filesystem::path& observerFile,
                           const std::vector<std::string>& shown, std::vector<ObserverGeo>& chosen) {
    ChangeState state{observerFile, shown, chosen};
    return RunModalDialog(owner, IDD_CHANGE_OBSERVERS, state, kHandlers) == IDOK;
}

}  // namespace tarvon
