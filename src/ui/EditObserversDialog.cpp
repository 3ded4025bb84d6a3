#include "ui/EditObserversDialog.h"

#include <string>

#include "core/PublicIds.h"
#include "orbit/ObserverFields.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/MapDialogIds.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr const wchar_t* kWriteFailed =
    L"Tarvon was unable to write the observer database KOVA.OBS.  The observers are as they were.";

struct EditState {
    const std::filesystem::path& file;
};

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

void OnInit(HWND dialog, EditState& state) {
    SendDlgItemMessageW(dialog, IDC_OBS_NAME, EM_LIMITTEXT, kObserverNameFieldChars, 0);
    for (int id : {IDC_OBS_LATITUDE, IDC_OBS_LONGITUDE, IDC_OBS_ELEVATION}) {
        SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, 8, 0);
    }
    for (const ObserverRecord& r : ReadObserverRecords(state.file)) {
        AddListText(dialog, IDC_OBS_LIST, r.name);
    }
    SetHemispheres(dialog, false, false);
}

std::string SelectedName(HWND dialog, LRESULT& index) {
    index = SendDlgItemMessageW(dialog, IDC_OBS_LIST, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return {};
    return ListText(dialog, IDC_OBS_LIST, index);
}

void OnSelect(HWND dialog, const EditState& state) {
    LRESULT index;
    ObserverRecord r;
    const std::string name = SelectedName(dialog, index);
    if (!name.empty() && FindObserverRecord(state.file, name.c_str(), r)) ShowFields(dialog, FieldsFromObserverRecord(r));
}

void OnSave(HWND dialog, const EditState& state) {
    ObserverFieldTexts f{Text(dialog, IDC_OBS_NAME), Text(dialog, IDC_OBS_LATITUDE), Text(dialog, IDC_OBS_LONGITUDE),
                         Text(dialog, IDC_OBS_ELEVATION), IsDlgButtonChecked(dialog, IDC_OBS_SOUTH) == BST_CHECKED,
                         IsDlgButtonChecked(dialog, IDC_OBS_WEST) == BST_CHECKED};
    ObserverRecord r;
    const std::string problem = ObserverRecordFromFields(f, r);
    if (!problem.empty()) {
        MessageBoxW(dialog, Widen(problem).c_str(), L"Tarvon", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    switch (SaveObserverRecord(state.file, r)) {
    case ObserverSaveResult::Appended:
        AddListText(dialog, IDC_OBS_LIST, r.name);
        return;
    case ObserverSaveResult::Replaced: return;
    case ObserverSaveResult::Failed: MessageBoxW(dialog, kWriteFailed, L"Tarvon Error", MB_OK | MB_ICONEXCLAMATION); return;
    }
}

void OnDelete(HWND dialog, const EditState& state) {
    LRESULT index;
    const std::string name = SelectedName(dialog, index);
    if (name.empty()) return;
    switch (DeleteObserverRecord(state.file, name.c_str())) {
    case ObserverDeleteResult::Deleted: SendDlgItemMessageW(dialog, IDC_OBS_LIST, LB_DELETESTRING, index, 0); return;
    case ObserverDeleteResult::NotFound: return;
    case ObserverDeleteResult::Failed: MessageBoxW(dialog, kWriteFailed, L"Tarvon Error", MB_OK | MB_ICONEXCLAMATION); return;
    }
}

void OnCommand(HWND dialog, EditState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: return OnSave(dialog, state);
    case IDC_OBS_NEW:
        for (int id : {IDC_OBS_NAME, IDC_OBS_LATITUDE, IDC_OBS_LONGITUDE, IDC_OBS_ELEVATION}) SetText(dialog, id, "");
        return;
    case IDC_OBS_DELETE: return OnDelete(dialog, state);
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    case IDC_OBS_LIST:
        if (HIWORD(wParam) == LBN_SELCHANGE) OnSelect(dialog, state);
        return;
    default: return;
    }
}

constexpr DialogHandlers<EditState> kHandlers{
    .place = "edit observers dialog",
    .init = OnInit,
    .command = OnCommand,
    .helpButton = IDC_OBS_HELP,
    .helpContext = FixedHelp<EditState, IDH_EDIT_OBSERVERS>,
};

}  // namespace

void EditObserversDialog(HWND owner, const std::filesystem::path& observerFile) {
    EditState state{observerFile};
    RunModalDialog(owner, IDD_EDIT_OBSERVERS, state, kHandlers);
}

}  // namespace tarvon
