#pragma once
#include <windows.h>

#include "ui/MainWindow.h"

namespace tarvon {

// One sunken box with optional centred text.
void DrawBox(HDC dc, const MainWindowState& state, const Box& box, const wchar_t* text);

// The fixed parts of the main window: boxes, headers, clock and date.
void PaintMainWindow(HDC dc, MainWindowState& state);

}  // namespace tarvon
