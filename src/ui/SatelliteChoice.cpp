#include "ui/SatelliteChoice.h"

#include "win32/Utf8.h"

namespace tarvon {
namespace {

bool IsComboBox(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"ComboBox") == 0;
}

}  // namespace

void FillSatelliteChoice(HWND dialog, int id, const std::vector<std::string>& names) {
    HWND control = GetDlgItem(dialog, id);
    const UINT add = IsComboBox(control) ? CB_ADDSTRING : LB_ADDSTRING;
    for (const std::string& name : names) {
        SendMessageW(control, add, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
    }
}

std::string ChosenSatellite(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    const bool combo = IsComboBox(control);
    const LRESULT index = SendMessageW(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    if (index < 0) return {};
    const LRESULT length = SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return Narrow(text);
}

}  // namespace tarvon
