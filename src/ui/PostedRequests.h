#pragma once
// What the station's other threads ask of the main window by posting: the
// window thread carries it out, since only it may touch its controls.
#include "ui/MainWindow.h"

namespace tarvon {

// WM_TARVON_REDRAW: invalidates the areas the engine, the schedule and the
// tracking list asked to have redrawn.
void OnRedrawRequests(MainWindowState& state);
// WM_TARVON_SCROLL_HOME: the clock thread's scroll return to the top.
void OnScrollHome(MainWindowState& state);
// WM_TARVON_SET_TITLE: the clock thread's countdown title.
void OnSetTitle(MainWindowState& state);

}  // namespace tarvon
