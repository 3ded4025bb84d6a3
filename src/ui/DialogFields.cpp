#include "ui/DialogFields.h"

#include <vector>

#include "win32/Utf8.h"

namespace tarvon {

void LimitText(HWND dialog, int id, size_t characters) { SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, characters, 0); }

void FillDropDown(HWND dialog, int id, const char* const* texts, size_t count, size_t selected) {
    FillComboBox(dialog, id, std::vector<std::string>(texts, texts + count));
    SetComboIndex(dialog, id, selected < count ? static_cast<int>(selected) : -1);
}

size_t DropDownChoice(HWND dialog, int id, size_t fallback) {
    const int chosen = ComboIndex(dialog, id);
    return chosen < 0 ? fallback : static_cast<size_t>(chosen);
}

void RefuseField(HWND dialog, int id, const std::string& message, const wchar_t* caption) {
    MessageBoxW(dialog, Widen(message).c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
    HWND field = GetDlgItem(dialog, id);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

}  // namespace tarvon
