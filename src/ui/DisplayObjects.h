#pragma once
// The font, pens and brushes every drawing of the main window uses.
#include <windows.h>

#include "core/Settings.h"

namespace tarvon {

struct DisplayObjects {
    HFONT font = nullptr;
    HPEN blackPen = nullptr;
    HPEN erasePen = nullptr;
    HPEN needlePen = nullptr;
    HPEN highlightPen = nullptr;
    HPEN shadowPen = nullptr;
    HBRUSH backgroundBrush = nullptr;  // stock, never deleted
    HBRUSH whiteBrush = nullptr;       // stock, never deleted
    int charWidth = 8;
    int lineHeight = 12;
};

// Builds the display font from the stored values and measures it in `window`.
void CreateDisplayFont(HWND window, const WindowSettings& settings, DisplayObjects& objects);
void CreateDrawingObjects(DisplayObjects& objects);
void DeleteDisplayObjects(DisplayObjects& objects);

}  // namespace tarvon
