#pragma once
// Element set to position: a Keplerian ellipse with the secular J2 drift of
// node and perigee and a linear change of mean motion from the decay term.
#include "orbit/KepsRecord.h"
#include "orbit/SatState.h"

namespace tarvon {

// Fills the state from the element set; now = `nowDayNumber`.
void InitSatState(const KepsRecord& keps, SatState& s, double nowDayNumber);
// New elements for an existing state: keeps name, catalogue number, now and
// the pass search. The beacon Doppler is recomputed from the station's last
// range rate.
void RefreshSatState(SatState& s, const KepsRecord& keps, double stationRangeRate);

// True anomaly in [0, 2pi).
double SolveKepler(double meanAnomaly, double eccentricity);
void PropagateSat(SatState& s, double t);
// Greenwich sidereal angle in radians at day number t.
double SiderealAngle(const SatState& s, double t);
void SetSiderealBase(SatState& s, double dayNumber);

double DopplerShift(double rangeRate, double frequencyHz);

}  // namespace tarvon
