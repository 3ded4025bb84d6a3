#pragma once
// The Sun as a second orbiting body, for the Earth's shadow.
#include "orbit/SatState.h"

namespace tarvon {

// Recomputes the state's own Sun elements and shadow cone for its `now`.
void UpdateSun(SatState& s);
// The Sun's inertial position (km) at t from the state's Sun elements, kept
// in s.sun.position; returns the Sun's distance.
double SunPosition(SatState& s, double t);
// After PropagateSat of s at t.
bool IsEclipsed(SatState& s, double t);

}  // namespace tarvon
