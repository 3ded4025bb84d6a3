#pragma once
// The map window's geometry: a 520 x 260 equirectangular map whose left edge
// is chosen by one of three origins, the pixel readout under the cursor, a
// body's acquisition circle, and lines that leave one edge of the map and
// come back at the other.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvon {

constexpr int kMapWidth = 520;
constexpr int kMapHeight = 260;
constexpr double kMapPixelsPerDegree = 1.4444444444444444;
constexpr double kMapDegreesPerPixel = 0.6923289947382997;
constexpr uint32_t kMapOriginCount = 3;

struct MapOrigin {
    const char* label;
    int shift;                 // pixels
    double readoutCorrection;  // degrees
};

// An index that names no origin gives the first one.
const MapOrigin& MapOriginAt(uint32_t index);

struct MapPoint {
    int x = 0, y = 0;
    bool operator==(const MapPoint&) const = default;
};

// West-positive longitude, degrees; any turn is brought into [0, 360).
MapPoint ProjectToMap(double latitudeDeg, double westLongitudeDeg, int originShift);

// Where the picture (drawn for the first origin) is cut for another origin:
// its columns 0 .. 519 - split go to x = split, the rest to x = 0.
int PictureSplit(int originShift);

struct MapPosition {
    double latitude;       // degrees, north positive
    double westLongitude;  // degrees, west positive, [-180, 180)
};
MapPosition MapReadout(int x, int y, uint32_t originIndex);

constexpr size_t kCirclePoints = 50;
// The ring of ground points from which a body at this sub-point and height
// (radians, west positive, km) stands on the horizon.
std::array<MapPoint, kCirclePoints> AcquisitionCircle(double latitude, double westLongitude, double heightKm,
                                                      int originShift);

struct MapSegment {
    MapPoint from, to;
    bool operator==(const MapSegment&) const = default;
};
// The lines joining the points in order (and back to the first when
// `closed`). A line that jumps across the map's side (from x above 350 to x
// below 170, or back) is drawn to the edge at the height where it crosses
// and goes on from the opposite edge.
std::vector<MapSegment> MapPolyline(const MapPoint* points, size_t count, bool closed);

// The ground track's time span: `points` steps of one orbit / points,
// starting at the map time going forward, or one orbit before it.
struct GroundTrackSpan {
    double start = 0.0, end = 0.0, step = 0.0;  // day numbers, days
};
constexpr int kGroundTrackPoints = 130;
GroundTrackSpan GroundTrackSpanAt(double mapTime, double revolutionsPerDay, bool forward);

}  // namespace tarvon
