#pragma once
// The rotor box: an azimuth compass and an elevation arc with their needles.
#include <windows.h>

#include "ui/MainWindow.h"

namespace tarvon {

// Full redraw at the given antenna position (degrees).
void DrawRotorDisplay(HDC dc, const MainWindowState& state, double azimuth, double elevation);

}  // namespace tarvon
