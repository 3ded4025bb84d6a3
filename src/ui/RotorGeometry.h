#pragma once
// Where the rotor box's compass, elevation arc, tick marks and needles go,
// and when an update must redraw the whole box. Plain arithmetic, so it
// carries no window types.
#include <array>
#include <cstdint>
#include <vector>

#include "ui/MainLayout.h"

namespace tarvon {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Segment {
    Point from, to;
    bool operator==(const Segment&) const = default;
};

struct RotorGeometry {
    int r = 0;   // radius of the compass and the arc
    int cx = 0;  // centre line of both
    int cy = 0;  // compass centre
    int ey = 0;  // arc centre, on its base line
};

RotorGeometry RotorGeometryFor(const Box& rotorBox, int lineHeight);

// The 8 compass ticks (0, 45, ... 315 degrees) and the 3 elevation ticks
// (45, 90, 135 degrees), each reaching from 1 to 4 pixels inside its circle.
std::array<Segment, 11> RotorTicks(const RotorGeometry& g);

// The needles' outer ends: north up and clockwise; elevation 0 to the left,
// 90 up, 180 to the right.
Point AzimuthNeedleEnd(const RotorGeometry& g, double azimuthDegrees);
Point ElevationNeedleEnd(const RotorGeometry& g, double elevationDegrees);

// The corners of a circle's arc drawn as straight pieces every 0.15 radian,
// from `from` to `to` (radians, y down).
std::vector<Point> ArcPoints(int cx, int cy, int r, double from, double to);

// What an update of the antenna position redraws.
struct RotorRedraw {
    bool full = false;       // the whole box, after 45 seconds without
    bool azimuth = false;    // the azimuth needle and text
    bool elevation = false;  // the elevation needle and text
    bool operator==(const RotorRedraw&) const = default;
};
RotorRedraw PlanRotorRedraw(double drawnAzimuth, double drawnElevation, double azimuth, double elevation,
                            int64_t lastFullRedraw, int64_t now);

}  // namespace tarvon
