#include "ui/SetupProgramsDialog.h"

#include "core/PublicIds.h"
#include "core/UserPrograms.h"
#include "ui/Help.h"
#include "ui/MainDialogIds.h"
#include "ui/MenuPrograms.h"
#include "ui/UiBarrier.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

MainWindowState& StateOf(HWND dialog) {
    return *reinterpret_cast<MainWindowState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

std::string FieldText(HWND dialog, int id) {
    wchar_t text[kUserProgramPathMax + 1] = {};
    GetDlgItemTextW(dialog, id, text, kUserProgramPathMax + 1);
    return Narrow(text);
}

void SetField(HWND dialog, int id, const std::string& text) { SetDlgItemTextW(dialog, id, Widen(text).c_str()); }

void FillList(HWND dialog, MainWindowState& state) {
    SendDlgItemMessageW(dialog, IDC_PROG_LIST, LB_RESETCONTENT, 0, 0);
    for (const UserProgramItem& item : UserProgramItems(*state.registry)) {
        SendDlgItemMessageW(dialog, IDC_PROG_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item.name).c_str()));
    }
    EnableWindow(GetDlgItem(dialog, IDC_PROG_DELETE), FALSE);
}

// Empty fields and nothing chosen, ready for a new program.
void StartNew(HWND dialog, MainWindowState& state) {
    for (int id : {IDC_PROG_TITLE, IDC_PROG_DIRECTORY, IDC_PROG_FILE}) SetField(dialog, id, "");
    CheckDlgButton(dialog, IDC_PROG_TOOLBAR, BST_UNCHECKED);
    FillList(dialog, state);
    SetFocus(GetDlgItem(dialog, IDC_PROG_TITLE));
}

std::string SelectedTitle(HWND dialog) {
    const LRESULT index = SendDlgItemMessageW(dialog, IDC_PROG_LIST, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return {};
    wchar_t title[kUserProgramTitleMax + 2] = {};
    if (SendDlgItemMessageW(dialog, IDC_PROG_LIST, LB_GETTEXTLEN, index, 0) > kUserProgramTitleMax) return {};
    SendDlgItemMessageW(dialog, IDC_PROG_LIST, LB_GETTEXT, index, reinterpret_cast<LPARAM>(title));
    return Narrow(title);
}

void ShowSelected(HWND dialog, MainWindowState& state) {
    const auto program = ReadUserProgram(*state.registry, SelectedTitle(dialog));
    if (!program) return;
    EnableWindow(GetDlgItem(dialog, IDC_PROG_DELETE), TRUE);
    SetField(dialog, IDC_PROG_TITLE, program->name);
    SetField(dialog, IDC_PROG_DIRECTORY, program->directory);
    SetField(dialog, IDC_PROG_FILE, program->fileName);
    CheckDlgButton(dialog, IDC_PROG_TOOLBAR, program->toolbar ? BST_CHECKED : BST_UNCHECKED);
}

// Saves the entry and stays open; the fields keep their text.
void Save(HWND dialog, MainWindowState& state) {
    UserProgram program;
    program.name = FieldText(dialog, IDC_PROG_TITLE);
    program.directory = FieldText(dialog, IDC_PROG_DIRECTORY);
    program.fileName = FieldText(dialog, IDC_PROG_FILE);
    program.toolbar = IsDlgButtonChecked(dialog, IDC_PROG_TOOLBAR) == BST_CHECKED ? 1 : 0;
    if (!SaveUserProgram(*state.registry, program)) return;
    FillList(dialog, state);
}

void Delete(HWND dialog, MainWindowState& state) {
    DeleteUserProgram(*state.registry, SelectedTitle(dialog));
    StartNew(dialog, state);
}

void OnInit(HWND dialog, MainWindowState& state) {
    RemoveProgramsMenuItems(state);
    SendDlgItemMessageW(dialog, IDC_PROG_TITLE, EM_LIMITTEXT, kUserProgramTitleMax, 0);
    SendDlgItemMessageW(dialog, IDC_PROG_DIRECTORY, EM_LIMITTEXT, kUserProgramPathMax, 0);
    SendDlgItemMessageW(dialog, IDC_PROG_FILE, EM_LIMITTEXT, kUserProgramPathMax, 0);
    StartNew(dialog, state);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    MainWindowState& state = StateOf(dialog);
    switch (LOWORD(wParam)) {
        case IDC_PROG_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) ShowSelected(dialog, state);
            return;
        case IDOK: Save(dialog, state); return;
        case IDC_PROG_NEW: StartNew(dialog, state); return;
        case IDC_PROG_DELETE: Delete(dialog, state); return;
        case IDCANCEL:
            // The only way out: the menu gets the programs as they are now.
            BuildProgramsMenu(state);
            EndDialog(dialog, IDCANCEL);
            return;
        case IDC_PROG_HELP: ShowHelp(dialog, IDH_SETUP_PROGRAMS); return;
        default: return;
    }
}

INT_PTR CALLBACK SetupProgramsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
            case WM_INITDIALOG:
                SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
                OnInit(dialog, *reinterpret_cast<MainWindowState*>(lParam));
                return FALSE;  // the focus is set on "Menu Title"
            case WM_COMMAND: OnCommand(dialog, wParam); return TRUE;
            default: return FALSE;
        }
    } catch (...) {
        RecordCaughtInWindow("setup programs dialog");
        return FALSE;
    }
}

}  // namespace

void SetupProgramsDialog(MainWindowState& state) {
    DialogBoxParamW(state.instance, MAKEINTRESOURCEW(IDD_SETUP_PROGRAMS), state.window, SetupProgramsProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace tarvon
