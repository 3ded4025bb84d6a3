#include "ui/DialogFields.h"

#include "win32/Utf8.h"

namespace tarvon {

std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void SetControlText(HWND dialog, int id, const std::string& text) { SetDlgItemTextW(dialog, id, Widen(text).c_str()); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

void LimitText(HWND dialog, int id, size_t characters) { SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, characters, 0); }

void FillDropDown(HWND dialog, int id, const char* const* texts, size_t count, size_t selected) {
    SendDlgItemMessageW(dialog, id, CB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < count; ++i) {
        SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(texts[i]).c_str()));
    }
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, selected < count ? selected : static_cast<WPARAM>(-1), 0);
}

size_t DropDownChoice(HWND dialog, int id, size_t fallback) {
    const LRESULT chosen = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    return chosen == CB_ERR ? fallback : static_cast<size_t>(chosen);
}

void RefuseField(HWND dialog, int id, const std::string& message, const wchar_t* caption) {
    MessageBoxW(dialog, Widen(message).c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
    HWND field = GetDlgItem(dialog, id);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

}  // namespace tarvon
