#include "ui/TextListView.h"

#include <commctrl.h>

#include "win32/Utf8.h"

namespace tarvon {

void PrepareTextList(HWND dialog, int listId, int headerId, const char* header) {
    HWND list = GetDlgItem(dialog, listId);
    HFONT fixed = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(fixed), FALSE);
    SendDlgItemMessageW(dialog, headerId, WM_SETFONT, reinterpret_cast<WPARAM>(fixed), FALSE);
    SetDlgItemTextW(dialog, headerId, Widen(header).c_str());
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(list, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

void ShowTextRows(HWND dialog, int listId, size_t count) {
    HWND list = GetDlgItem(dialog, listId);
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    SendMessageW(list, LVM_SETITEMCOUNT, count, 0);
    InvalidateRect(list, nullptr, TRUE);
}

bool AnswerTextRow(NMHDR* notify, int listId, const std::vector<std::string>& rows) {
    if (notify->idFrom != static_cast<UINT_PTR>(listId) || notify->code != LVN_GETDISPINFOW) return false;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(notify)->item;
    if (!(item.mask & LVIF_TEXT) || item.cchTextMax <= 0) return true;
    item.pszText[0] = L'\0';
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows.size()) return true;
    const std::wstring text = Widen(rows[static_cast<size_t>(item.iItem)]);
    lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
    return true;
}

bool IsRowSelected(const NMHDR* notify, int listId) {
    if (notify->idFrom != static_cast<UINT_PTR>(listId) || notify->code != LVN_ITEMCHANGED) return false;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(notify);
    return (change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED);
}

int SelectedTextRow(HWND dialog, int listId) {
    return static_cast<int>(
        SendDlgItemMessageW(dialog, listId, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace tarvon
