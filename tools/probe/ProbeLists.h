#pragma once
// Reading and choosing the items of another program's list boxes, drop-down
// lists and list views. A list view's text lives in the other process, so it
// is read through memory borrowed there.
#include <windows.h>

#include <string>
#include <vector>

namespace probe {

// Every item's text, in order; false when the control is none of the three.
bool ListItems(HWND control, std::vector<std::wstring>& items);

// The number of items without reading them; -1 for another kind of control.
long ItemCount(HWND control);

// Selects the item whose text is `text` (or the item at `index` when text is
// empty) and tells the dialog as a click (or a double click) would. With
// `post` the dialog is told without waiting for it (for a choice that opens a
// message box); otherwise `elapsedMs` is how long the dialog took to answer.
bool SelectItem(HWND control, const std::wstring& text, int index, bool post, bool doubleClick, DWORD& elapsedMs);

}  // namespace probe
