#pragma once
// The probe's hands on a main window: a popup menu's item chosen from the
// keyboard, the window's menu commands walked one after the other, its size,
// and the place and position of its child controls.
#include <windows.h>

#include <string>
#include <vector>

namespace probe {

// Waits for a popup menu and chooses its item `index` (0 = the first) with
// the arrow keys and Enter, as a user would; 1 when no popup opens. With
// `index` below 0 the menu is only moved a pixel and left open: Wine's
// desktop can leave it black on screen until it has moved.
int ChoosePopupItem(int index, DWORD timeoutMs);

// Sends `window` each command in turn and reports what it opened, one line
// per command: "<id> none", or "<id> <class> [<title>] | <text>" for every
// new top-level window (a message box's text after "|"); each is closed
// (Cancel, Close, No or OK, else WM_CLOSE) before the next command.
int WalkCommands(HWND window, const std::vector<int>& ids, DWORD waitMs);

// Asks the window for a new size as a user's drag would (position kept).
int ResizeWindow(HWND window, int width, int height);

// "left top right bottom" of the first child of this class, in the parent's
// client coordinates.
int ChildRect(HWND parent, const std::wstring& childClass);

// The position of the window's scroll bar control.
int ScrollPosition(HWND parent);

}  // namespace probe
