#pragma once
// Drawing the map window: the picture, track, terminator, marker and circle,
// and the panel below, into the window's frame bitmap, then onto the window.
#include "ui/MapState.h"

namespace tarvon {

// Client height of the map and the panel for the number of observers shown.
int MapClientHeight(const MapFrame& frame, int observerCount);

// Makes the frame bitmap, font and pens for the window; FreeMapFrame undoes it.
void CreateMapFrame(MapWindowState& state);
void FreeMapFrame(MapFrame& frame);

// Computes the scene at its time and draws what changed (everything when
// `full`), under the map lock. Called by the map thread and by WM_PAINT.
void MapDraw(MapWindowState& state, bool full);

}  // namespace tarvon
