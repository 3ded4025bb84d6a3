#include "ui/EditPassDialog.h"

#include <cstdio>
#include <cstdlib>

#include "core/PublicIds.h"
#include "platform/Notices.h"
#include "schedule/PassEdits.h"
#include "ui/ModalDialog.h"
#include "ui/PassDialogIds.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr int kAosFields[6] = {IDC_EDIT_AOS_DAY, IDC_EDIT_AOS_MONTH, IDC_EDIT_AOS_YEAR,
                               IDC_EDIT_AOS_HOUR, IDC_EDIT_AOS_MINUTE, IDC_EDIT_AOS_SECOND};
constexpr int kLosFields[6] = {IDC_EDIT_LOS_DAY, IDC_EDIT_LOS_MONTH, IDC_EDIT_LOS_YEAR,
                               IDC_EDIT_LOS_HOUR, IDC_EDIT_LOS_MINUTE, IDC_EDIT_LOS_SECOND};

struct EditState {
    ScheduleState& schedule;
    PassRef pass;
};

void ShowTime(HWND dialog, const int (&ids)[6], const EditTimeFields& fields) {
    for (int i = 0; i < 6; ++i) {
        wchar_t text[8];
        std::swprintf(text, 8, L"%02d", fields[i]);
        SendDlgItemMessageW(dialog, ids[i], EM_LIMITTEXT, 2, 0);
        SetDlgItemTextW(dialog, ids[i], text);
    }
}

int ReadNumber(HWND dialog, int id) {
    wchar_t text[16] = {};
    GetDlgItemTextW(dialog, id, text, 16);
    return static_cast<int>(std::wcstol(text, nullptr, 10));
}

EditTimeFields ReadTime(HWND dialog, const int (&ids)[6]) {
    EditTimeFields fields{};
    for (int i = 0; i < 6; ++i) fields[i] = ReadNumber(dialog, ids[i]);
    return fields;
}

void OnInit(HWND dialog, EditState& state) {
    const Settings& settings = state.schedule.services.settings;
    const EditPassFields f = EditFieldsFor(*state.pass, settings.general.displayTime, settings.timeZoneBiasSeconds);
    SetWindowTextW(dialog, (L"Edit pass of " + Widen(state.pass->satName)).c_str());
    ShowTime(dialog, kAosFields, f.aos);
    ShowTime(dialog, kLosFields, f.los);
    SendDlgItemMessageW(dialog, IDC_EDIT_PRIORITY, EM_LIMITTEXT, 3, 0);
    SetDlgItemInt(dialog, IDC_EDIT_PRIORITY, static_cast<UINT>(f.priority), TRUE);
    SendDlgItemMessageW(dialog, IDC_EDIT_STATUS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Track and Display"));
    SendDlgItemMessageW(dialog, IDC_EDIT_STATUS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Display"));
    SendDlgItemMessageW(dialog, IDC_EDIT_STATUS, CB_SETCURSEL, f.status, 0);
    CheckDlgButton(dialog, IDC_EDIT_REGARDLESS, f.runRegardlessOfElevation ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_EDIT_IGNORE_CHECKING, f.ignorePassChecking ? BST_CHECKED : BST_UNCHECKED);
}

void OnOk(HWND dialog, EditState& state) {
    EditPassFields f;
    f.aos = ReadTime(dialog, kAosFields);
    f.los = ReadTime(dialog, kLosFields);
    f.priority = ReadNumber(dialog, IDC_EDIT_PRIORITY);
    f.status = SendDlgItemMessageW(dialog, IDC_EDIT_STATUS, CB_GETCURSEL, 0, 0) == 1 ? 1 : 0;
    f.runRegardlessOfElevation = IsDlgButtonChecked(dialog, IDC_EDIT_REGARDLESS) == BST_CHECKED;
    f.ignorePassChecking = IsDlgButtonChecked(dialog, IDC_EDIT_IGNORE_CHECKING) == BST_CHECKED;
    if (auto message = ApplyPassEdit(state.schedule, state.pass, f)) {
        state.schedule.services.platform.notices.Show(*message, "Tarvon", NoticeIcon::Exclamation);
        return;
    }
    EndDialog(dialog, TRUE);
}

void OnCommand(HWND dialog, EditState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: return OnOk(dialog, state);
    case IDCANCEL: EndDialog(dialog, FALSE); return;
    case IDC_EDIT_DELETE:
        SetPassDisplayOnly(state.schedule, state.pass);
        EndDialog(dialog, TRUE);
        return;
    default: return;
    }
}

constexpr DialogHandlers<EditState> kHandlers{
    .place = "edit pass dialog",
    .init = OnInit,
    .command = OnCommand,
    .helpButton = IDC_EDIT_HELP,
    .helpContext = FixedHelp<EditState, IDH_EDIT_PASS>,
};

}  // namespace

bool EditPassDialog(HWND owner, ScheduleState& schedule, const PassRef& pass) {
    EditState state{schedule, pass};
    return RunModalDialog(owner, IDD_EDIT_PASS, state, kHandlers) == TRUE;
}

}  // namespace tarvon
