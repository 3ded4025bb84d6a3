#include "ui/DialogControls.h"

#include "win32/Utf8.h"
#include "win32/Win32Notices.h"

namespace tarvon {
namespace {

NoticeAnswer AnswerOf(int result) {
    switch (result) {
        case IDCANCEL: return NoticeAnswer::Cancel;
        case IDYES: return NoticeAnswer::Yes;
        case IDNO: return NoticeAnswer::No;
        default: return NoticeAnswer::Ok;
    }
}

}  // namespace

std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

void SetControlText(HWND dialog, int id, const std::string& text) { SetDlgItemTextW(dialog, id, Widen(text).c_str()); }

void SetEditText(HWND dialog, int id, const std::string& text, int limit) {
    SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    SetControlText(dialog, id, text);
}

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

void FillComboBox(HWND dialog, int id, const std::vector<std::string>& items) {
    SendDlgItemMessageW(dialog, id, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

int ComboIndex(HWND dialog, int id) {
    const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void SetComboIndex(HWND dialog, int id, int index) { SendDlgItemMessageW(dialog, id, CB_SETCURSEL, index, 0); }

std::optional<std::string> ComboText(HWND dialog, int id) {
    const int index = ComboIndex(dialog, id);
    if (index < 0) return std::nullopt;
    const LRESULT length = SendDlgItemMessageW(dialog, id, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return std::nullopt;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    if (SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data())) == CB_ERR) {
        return std::nullopt;
    }
    text.resize(static_cast<size_t>(length));
    return Narrow(text);
}

void AddListText(HWND dialog, int id, const std::string& text) {
    SendDlgItemMessageW(dialog, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

std::string ListText(HWND dialog, int id, LRESULT index) {
    const LRESULT length = SendDlgItemMessageW(dialog, id, LB_GETTEXTLEN, index, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    SendDlgItemMessageW(dialog, id, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text);
}

int ShowDialogMessage(HWND dialog, std::string_view text, std::string_view caption, UINT flags) {
    return MessageBoxW(dialog, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

void ShowFieldProblem(HWND dialog, const FieldProblem& problem, int controlId, std::string_view caption) {
    ShowDialogMessage(dialog, problem.message, caption, MB_OK | MB_ICONEXCLAMATION);
    HWND control = GetDlgItem(dialog, controlId);
    if (!control) return;
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

NoticeAnswer DialogNotices::Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                                 NoticeButtons buttons) {
    return AnswerOf(ShowDialogMessage(dialog_, text, caption, MessageBoxStyle(icon, buttons)));
}

}  // namespace tarvon
