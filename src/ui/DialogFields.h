#pragma once
// What the setup sheets add to the dialog controls: input limits, drop-down
// lists of fixed texts, and a refused field ready to be typed over.
#include <windows.h>

#include <string>

#include "ui/DialogControls.h"

namespace tarvon {

void LimitText(HWND dialog, int id, size_t characters);

// A drop-down list of `count` texts; `selected` chosen (none when out of range).
void FillDropDown(HWND dialog, int id, const char* const* texts, size_t count, size_t selected);
// The chosen entry's position; `fallback` when none is chosen.
size_t DropDownChoice(HWND dialog, int id, size_t fallback);

// The message (exclamation icon) over `dialog`, then the focus on the field
// with its text selected, ready to be typed over.
void RefuseField(HWND dialog, int id, const std::string& message, const wchar_t* caption);

}  // namespace tarvon
