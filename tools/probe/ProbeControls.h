#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace probe {

// The control `id` of a dialog, or of one of its visible child dialogs (the
// pages of a property sheet or wizard).
HWND FindControl(HWND dialog, int id);

// The control of the dialog's thread that has the keyboard focus, once no
// message box of that thread is open any more (it gives the focus back when
// it closes); nullptr when none shows up within `timeoutMs`.
HWND FocusedControl(HWND dialog, DWORD timeoutMs);

// A line of a batch split as a shell would: blanks separate words, double
// quotes group them, a backslash before a quote or backslash escapes it.
std::vector<std::wstring> SplitWords(const std::wstring& line);

// "enabled"/"disabled", "visible"/"hidden", and "checked"/"unchecked" or,
// for a drop-down, the chosen item's text.
std::wstring ControlState(HWND control);

}  // namespace probe
