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
// The satellite seen from the observer along the local axes, km.
struct Topocentric {
    double south, east, up;
};
Topocentric TopocentricOf(const SatState& s, const ObserverGeo& o);
// atan of it is the elevation.
double TangentOfElevation(const Topocentric& t);
double AzimuthOf(const Topocentric& t);
void ComputeLookAngles(SatState& s, const ObserverGeo& o);
void RangeRateAndSquint(SatState& s, ObserverGeo& o);
// Sun (when due), position, observer, sub-satellite point, look angles,
// range, range rate and squint, all at s.now.
void UpdateLookAngles(SatState& s, ObserverGeo& o);

}  // namespace tarvon
