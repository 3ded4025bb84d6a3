#pragma once
// The viewers' lists: text rows in a fixed-pitch font under a header line.
// The list holds no text of its own; it asks for the rows it draws, so a log
// of a hundred thousand sessions opens as quickly as one of ten.
#include <windows.h>

#include <string>
#include <vector>

namespace tarvon {

// One full-width column; the list and its header line in the fixed font.
void PrepareTextList(HWND dialog, int listId, int headerId, const char* header);

// Shows `count` rows, none selected.
void ShowTextRows(HWND dialog, int listId, size_t count);

// Answers the list's request for the text of a row. True when `notify` was
// that request.
bool AnswerTextRow(NMHDR* notify, int listId, const std::vector<std::string>& rows);

// True when `notify` tells of a row of the list becoming selected.
bool IsRowSelected(const NMHDR* notify, int listId);

// The selected row, or -1.
int SelectedTextRow(HWND dialog, int listId);

}  // namespace tarvon
