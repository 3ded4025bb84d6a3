#pragma once
// Moving texts, choices and check marks between a dialog's controls and the
// portable forms, in UTF-8, and telling the user about a field.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FieldChecks.h"
#include "platform/Notices.h"

namespace tarvon {

// The whole text of a control, however long.
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
// Sets the text and how many characters the edit takes from the keyboard.
void SetEditText(HWND dialog, int id, const std::string& text, int limit);

bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);

void FillComboBox(HWND dialog, int id, const std::vector<std::string>& items);
int ComboIndex(HWND dialog, int id);  // -1 when nothing is selected
void SetComboIndex(HWND dialog, int id, int index);
// The text of the selected item; nothing when none is selected or it cannot be read.
std::optional<std::string> ComboText(HWND dialog, int id);

// List boxes: an item added at the end (or where the list sorts it), and an item's text.
void AddListText(HWND dialog, int id, const std::string& text);
std::string ListText(HWND dialog, int id, LRESULT index);

// A message box owned by the dialog, so that the dialog waits for it.
int ShowDialogMessage(HWND dialog, std::string_view text, std::string_view caption, UINT flags);

// Shows the problem (exclamation) and puts the focus on its control.
void ShowFieldProblem(HWND dialog, const FieldProblem& problem, int controlId, std::string_view caption);

// Notices from the portable code while a dialog is open go to the dialog.
class DialogNotices final : public Notices {
public:
    explicit DialogNotices(HWND dialog) : dialog_(dialog) {}
    NoticeAnswer Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                      NoticeButtons buttons = NoticeButtons::Ok) override;
    void RequestRedraw(RedrawTarget) override {}

private:
    HWND dialog_;
};

}  // namespace tarvon
