#pragma once
// The Sun as a second orbiting body, for the Earth's shadow.
#include "orbit/SatState.h"

namespace tarvon {

// Recomputes the state's own Sun elements and shadow cone for its `now`.
void UpdateSun(SatState& s);
// After PropagateSat of s at t.
bool IsEclipsed(SatState& s, double t);

}  // namespace tarvon
