#pragma once
// The probe's hands on menus: a popup menu's item chosen from the keyboard,
// a window's menu commands walked one after the other, and the size and
// child positions the window takes.
#include <windows.h>

#include <string>
#include <vector>

namespace probe {

// Waits for a popup menu and chooses its item `index` (0 = the first) with
// the arrow keys and Enter, as a user would; 1 when no popup opens.
int ChoosePopupItem(int index, DWORD timeoutMs);

// Sends `window` each command in turn and reports what it opened, one line
// per command: "<id> none", or "<id> <class> [<title>] | <text>" for every
// new top-level window (a message box's text after "|"); each is closed
// (Cancel, No or OK, else WM_CLOSE) before the next command.
int WalkCommands(HWND window, const std::vector<int>& ids, DWORD waitMs);

// Asks the window for a new size as a user's drag would (position kept).
int ResizeWindow(HWND window, int width, int height);

// "left top right bottom" of the first child of this class, in the parent's
// client coordinates.
int ChildRect(HWND parent, const std::wstring& childClass);

}  // namespace probe
