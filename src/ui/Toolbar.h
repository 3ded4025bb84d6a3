#pragma once
#include <windows.h>

namespace tarvon {

// The toolbar of the main window: message, directory and map buttons, then
// the rotator button, each with its tooltip from the string table.
HWND CreateMainToolbar(HWND owner, HINSTANCE instance);

// Answers a tooltip request; true when the notification was one.
bool AnswerToolbarTooltip(NMHDR* header, HINSTANCE instance);

}  // namespace tarvon
