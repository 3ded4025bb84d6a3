#include "ui/ChangeObserversDialog.h"

#include <cctype>

#include "core/PublicIds.h"
#include "orbit/ObserverDatabase.h"
#include "ui/Help.h"
#include "ui/MapDialogIds.h"
#include "win32/Utf8.h"
#include "ui/UiBarrier.h"

namespace tarvon {
namespace {

constexpr LRESULT kMostSelected = 5;

struct ChangeState {
    const std::filesystem::path& file;
    const std::vector<std::string>& shown;
    std::vector<ObserverGeo>& chosen;
};

ChangeState& StateOf(HWND dialog) { return *reinterpret_cast<ChangeState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA)); }

void Add(HWND dialog, int list, const std::wstring& name) {
    SendDlgItemMessageW(dialog, list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

std::wstring ItemText(HWND dialog, int list, LRESULT index) {
    const LRESULT length = SendDlgItemMessageW(dialog, list, LB_GETTEXTLEN, index, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    SendDlgItemMessageW(dialog, list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

void OnInit(HWND dialog, ChangeState& state) {
    for (const ObserverRecord& r : ReadObserverRecords(state.file)) Add(dialog, IDC_CHOBS_AVAILABLE, Widen(r.name));
    for (const std::string& name : state.shown) Add(dialog, IDC_CHOBS_SELECTED, Widen(name));
}

// Double-clicks move a name between the lists; the station stays first.
void Move(HWND dialog, int from, int to) {
    const LRESULT index = SendDlgItemMessageW(dialog, from, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    if (from == IDC_CHOBS_SELECTED && index == 0) return;
    if (to == IDC_CHOBS_SELECTED && SendDlgItemMessageW(dialog, to, LB_GETCOUNT, 0, 0) >= kMostSelected) return;
    Add(dialog, to, ItemText(dialog, from, index));
    SendDlgItemMessageW(dialog, from, LB_DELETESTRING, index, 0);
}

void OnOk(HWND dialog, ChangeState& state) {
    state.chosen.clear();
    const LRESULT count = SendDlgItemMessageW(dialog, IDC_CHOBS_SELECTED, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 1; i < count; ++i) {
        const std::string name = Narrow(ItemText(dialog, IDC_CHOBS_SELECTED, i));
        ObserverGeo geo;
        if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) continue;
        if (LoadObserverGeo(state.file, name.c_str(), geo)) state.chosen.push_back(geo);
    }
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: return OnOk(dialog, StateOf(dialog));
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    case IDC_CHOBS_HELP: ShowHelp(dialog, IDH_CHANGE_OBSERVERS); return;
    case IDC_CHOBS_AVAILABLE:
        if (HIWORD(wParam) == LBN_DBLCLK) Move(dialog, IDC_CHOBS_AVAILABLE, IDC_CHOBS_SELECTED);
        return;
    case IDC_CHOBS_SELECTED:
        if (HIWORD(wParam) == LBN_DBLCLK) Move(dialog, IDC_CHOBS_SELECTED, IDC_CHOBS_AVAILABLE);
        return;
    default: return;
    }
}

INT_PTR CALLBACK ChangeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
            OnInit(dialog, *reinterpret_cast<ChangeState*>(lParam));
            return TRUE;
        case WM_HELP:
            return AnswerHelpRequest(dialog, IDH_CHANGE_OBSERVERS, lParam);
        case WM_COMMAND:
            OnCommand(dialog, wParam);
            return TRUE;
        default:
            return FALSE;
        }
    } catch (...) {
        RecordCaughtInWindow("change observers dialog");
        return FALSE;
    }
}

}  // namespace

bool ChangeObserversDialog(HWND owner, const std::filesystem::path& observerFile,
                           const std::vector<std::string>& shown, std::vector<ObserverGeo>& chosen) {
    ChangeState state{observerFile, shown, chosen};
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CHANGE_OBSERVERS), owner, ChangeProc,
                           reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace tarvon
