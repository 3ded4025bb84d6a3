#pragma once
// What an observer on the ground sees of a satellite.
#include "core/Settings.h"
#include "orbit/SatState.h"

namespace tarvon {

// The station's observer: the callsign, degrees (longitude west positive)
// and metres of the station record.
ObserverGeo ObserverFromStation(const StationConfig& station);

void SubSatellitePoint(SatState& s, double t);
// At s.now.
void SetupObserver(ObserverGeo& o, const SatState& s);
void ComputeLookAngles(SatState& s, const ObserverGeo& o);
void RangeRateAndSquint(SatState& s, ObserverGeo& o);
// Sun (when due), position, observer, sub-satellite point, look angles,
// range, range rate and squint, all at s.now.
void UpdateLookAngles(SatState& s, ObserverGeo& o);

}  // namespace tarvon
