#include "ui/EditObserversDialog.h"

#include <string>

#include "core/PublicIds.h"
#include "orbit/ObserverFields.h"
#include "ui/Help.h"
#include "ui/MapDialogIds.h"
#include "win32/Utf8.h"
#include "ui/UiBarrier.h"

namespace tarvon {
namespace {

constexpr const wchar_t* kWriteFailed =
    L"Tarvon was unable to write the observer database KOVA.OBS.  The observers are as they were.";

struct EditState {
    const std::filesystem::path& file;
};

const std::filesystem::path& FileOf(HWND dialog) {
    return reinterpret_cast<EditState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA))->file;
}

std::string Text(HWND dialog, int id) {
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, id, text, 64);
    return Narrow(text);
}

void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextW(dialog, id, Widen(text).c_str()); }

void SetHemispheres(HWND dialog, bool south, bool west) {
    CheckRadioButton(dialog, IDC_OBS_NORTH, IDC_OBS_SOUTH, south ? IDC_OBS_SOUTH : IDC_OBS_NORTH);
    CheckRadioButton(dialog, IDC_OBS_EAST, IDC_OBS_WEST, west ? IDC_OBS_WEST : IDC_OBS_EAST);
}

void ShowFields(HWND dialog, const ObserverFieldTexts& f) {
    SetText(dialog, IDC_OBS_NAME, f.name);
    SetText(dialog, IDC_OBS_LATITUDE, f.latitude);
    SetText(dialog, IDC_OBS_LONGITUDE, f.longitude);
    SetText(dialog, IDC_OBS_ELEVATION, f.elevation);
    SetHemispheres(dialog, f.south, f.west);
}

void OnInit(HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_OBS_NAME, EM_LIMITTEXT, kObserverNameFieldChars, 0);
    for (int id : {IDC_OBS_LATITUDE, IDC_OBS_LONGITUDE, IDC_OBS_ELEVATION}) {
        SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, 8, 0);
    }
    for (const ObserverRecord& r : ReadObserverRecords(FileOf(dialog))) {
        SendDlgItemMessageW(dialog, IDC_OBS_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(r.name).c_str()));
    }
    SetHemispheres(dialog, false, false);
}

std::string SelectedName(HWND dialog, LRESULT& index) {
    index = SendDlgItemMessageW(dialog, IDC_OBS_LIST, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return {};
    const LRESULT length = SendDlgItemMessageW(dialog, IDC_OBS_LIST, LB_GETTEXTLEN, index, 0);
    std::wstring name(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    SendDlgItemMessageW(dialog, IDC_OBS_LIST, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name.data()));
    return Narrow(name);
}

void OnSelect(HWND dialog) {
    LRESULT index;
    ObserverRecord r;
    const std::string name = SelectedName(dialog, index);
    if (!name.empty() && FindObserverRecord(FileOf(dialog), name.c_str(), r)) ShowFields(dialog, FieldsFromObserverRecord(r));
}

void OnSave(HWND dialog) {
    ObserverFieldTexts f{Text(dialog, IDC_OBS_NAME), Text(dialog, IDC_OBS_LATITUDE), Text(dialog, IDC_OBS_LONGITUDE),
                         Text(dialog, IDC_OBS_ELEVATION), IsDlgButtonChecked(dialog, IDC_OBS_SOUTH) == BST_CHECKED,
                         IsDlgButtonChecked(dialog, IDC_OBS_WEST) == BST_CHECKED};
    ObserverRecord r;
    const std::string problem = ObserverRecordFromFields(f, r);
    if (!problem.empty()) {
        MessageBoxW(dialog, Widen(problem).c_str(), L"Tarvon", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    switch (SaveObserverRecord(FileOf(dialog), r)) {
    case ObserverSaveResult::Appended:
        SendDlgItemMessageW(dialog, IDC_OBS_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(r.name).c_str()));
        return;
    case ObserverSaveResult::Replaced: return;
    case ObserverSaveResult::Failed: MessageBoxW(dialog, kWriteFailed, L"Tarvon Error", MB_OK | MB_ICONEXCLAMATION); return;
    }
}

void OnDelete(HWND dialog) {
    LRESULT index;
    const std::string name = SelectedName(dialog, index);
    if (name.empty()) return;
    switch (DeleteObserverRecord(FileOf(dialog), name.c_str())) {
    case ObserverDeleteResult::Deleted: SendDlgItemMessageW(dialog, IDC_OBS_LIST, LB_DELETESTRING, index, 0); return;
    case ObserverDeleteResult::NotFound: return;
    case ObserverDeleteResult::Failed: MessageBoxW(dialog, kWriteFailed, L"Tarvon Error", MB_OK | MB_ICONEXCLAMATION); return;
    }
}

void OnCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: return OnSave(dialog);
    case IDC_OBS_NEW:
        for (int id : {IDC_OBS_NAME, IDC_OBS_LATITUDE, IDC_OBS_LONGITUDE, IDC_OBS_ELEVATION}) SetText(dialog, id, "");
        return;
    case IDC_OBS_DELETE: return OnDelete(dialog);
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    case IDC_OBS_HELP: ShowHelp(dialog, IDH_EDIT_OBSERVERS); return;
    case IDC_OBS_LIST:
        if (HIWORD(wParam) == LBN_SELCHANGE) OnSelect(dialog);
        return;
    default: return;
    }
}

INT_PTR CALLBACK EditProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
            OnInit(dialog);
            return TRUE;
        case WM_HELP:
            return AnswerHelpRequest(dialog, IDH_EDIT_OBSERVERS, lParam);
        case WM_COMMAND:
            OnCommand(dialog, wParam);
            return TRUE;
        default:
            return FALSE;
        }
    } catch (...) {
        RecordCaughtInWindow("edit observers dialog");
        return FALSE;
    }
}

}  // namespace

void EditObserversDialog(HWND owner, const std::filesystem::path& observerFile) {
    EditState state{observerFile};
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_EDIT_OBSERVERS), owner, EditProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace tarvon
