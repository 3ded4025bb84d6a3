#pragma once
// The schedule pane: its lines, its scroll bar and the next-pass box.
#include <windows.h>

#include <vector>

#include "schedule/ScheduleListing.h"
#include "ui/MainWindow.h"

namespace tarvon {

// The pane's lines as they are drawn now (the scroll position not applied).
std::vector<ListingLine> CurrentScheduleListing(MainWindowState& state);

void DrawSchedulePane(HDC dc, MainWindowState& state);
// Window thread: draws the pane through a device context of its own.
void RedrawSchedulePane(MainWindowState& state);
void OnScheduleScroll(MainWindowState& state, int code, int thumbPosition);

}  // namespace tarvon
