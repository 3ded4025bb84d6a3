#pragma once
// The map's clock: the drawing thread that advances the map time, and the
// user's controls of it (fast motion, direction, pause, step keys). The
// controls run on the window thread and wake the drawing thread.
#include "ui/MapState.h"

namespace tarvon {

bool StartMapThread(MapWindowState& state);
// Stops the drawing and next-event threads and waits for them.
void StopMapThread(MapWindowState& state);

void WakeMap(MapWindowState& state);
void ToggleFastMotion(MapWindowState& state);
void ChangeMapDirection(MapWindowState& state);
void ToggleMapPause(MapWindowState& state);
void ChangeFastStep(MapWindowState& state, bool longer);
// Real-time motion at the current time, as after choosing a satellite.
void ResetToRealTime(MapWindowState& state);
// The Norm or Fast drawing options, by the motion in force.
void ApplyDrawingOptions(MapWindowState& state);

}  // namespace tarvon
