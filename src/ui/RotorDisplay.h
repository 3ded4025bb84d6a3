#pragma once
// The rotor box: an azimuth compass and an elevation arc with their needles,
// showing the antenna's display position.
#include <windows.h>

#include "ui/MainWindow.h"

namespace tarvon {

// Full redraw of the box's contents at the display position.
void DrawRotorDisplay(HDC dc, MainWindowState& state);

// After a position change: only the needles that moved, or the whole box
// when it was last drawn whole more than 45 seconds ago. Window thread.
void UpdateRotorDisplay(MainWindowState& state);

}  // namespace tarvon
