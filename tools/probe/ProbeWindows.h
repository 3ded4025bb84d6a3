#pragma once
#include <windows.h>

#include <string>

namespace probe {

std::wstring ClassOf(HWND window);
std::wstring TitleOf(HWND window);

// A visible top-level window whose class and title match; empty texts match any.
HWND FindVisibleWindow(const std::wstring& className, const std::wstring& title);

// Polls for such a window until `timeoutMs` has passed.
HWND WaitForWindow(const std::wstring& className, const std::wstring& title, DWORD timeoutMs);

// The text of a message box: its longest static text.
std::wstring MessageBoxText(HWND box);

// The child control with the given id, or with the given caption ("OK").
HWND FindButton(HWND dialog, const std::wstring& caption);

}  // namespace probe
