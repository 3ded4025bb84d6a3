#pragma once
// What the map shows at its own time: one body (a satellite of the element
// database, or the Sun), the Sun's sub-point for the terminator, and whether
// the station could see the satellite with the naked eye.
#include <cstdint>

#include "orbit/KepsRecord.h"
#include "orbit/MapProjection.h"
#include "orbit/SatState.h"

namespace tarvon {

constexpr const char* kSunName = "The Sun";

struct MapScene {
    SatState body;         // the map satellite, or the Sun
    bool bodyIsSun = true;
    SatState sun;          // the Sun's own record, for its sub-point
    double time = 0.0;     // day number
    int32_t unixTime = 0;
    bool eclipsed = false;
    bool visible = false;  // sunlit, above the station's horizon, station in darkness
};

void ShowSunInScene(MapScene& scene);
void ShowSatelliteInScene(MapScene& scene, const KepsRecord& keps, double now);

// The body's revolutions per day; the Sun goes round the map once a day.
double SceneRevolutionsPerDay(const MapScene& scene);
// False for the Sun and for satellites whose element set has no attitude.
bool HasAntennaAttitude(const SatState& body);

// The body's position and sub-point at `scene.time` (and the Sun's),
// the eclipse and visibility, and the station's look angles of the body.
void UpdateMapScene(MapScene& scene, ObserverGeo& station);

// The body's sub-points over the span, one per step, on the map.
void ComputeGroundTrack(const MapScene& scene, const GroundTrackSpan& span, int originShift,
                        MapPoint (&points)[kGroundTrackPoints]);

// Fast motion: one orbit in `mapSpeed` frames; the arrow keys change the
// step by a fifth, never beyond one day nor below one second (below two
// seconds it drops to one).
double FastStepFor(uint32_t mapSpeed, double revolutionsPerDay);
double LongerFastStep(double step);
double ShorterFastStep(double step);

// Sub-point longitude in (-pi, pi], west positive, as the panel shows it.
double SignedWestLongitude(double westLongitude);

}  // namespace tarvon
