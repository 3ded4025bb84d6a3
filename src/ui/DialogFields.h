#pragma once
// Moving texts and ticks between dialog controls and the portable fields,
// and telling the user about a field that cannot be kept.
#include <windows.h>

#include <string>

namespace tarvon {

// The whole text of a control, however long (a pasted or set text is not
// held to the control's input limit).
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
bool Checked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);
void LimitText(HWND dialog, int id, size_t characters);

// A drop-down list of `count` texts; `selected` chosen (none when out of range).
void FillDropDown(HWND dialog, int id, const char* const* texts, size_t count, size_t selected);
// The chosen entry's position; `fallback` when none is chosen.
size_t DropDownChoice(HWND dialog, int id, size_t fallback);

// The message (exclamation icon) over `dialog`, then the focus on the field
// with its text selected, ready to be typed over.
void RefuseField(HWND dialog, int id, const std::string& message, const wchar_t* caption);

}  // namespace tarvon
