#include "ui/RotorGeometry.h"

#include <cmath>

namespace tarvon {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kArcStep = 0.15;
constexpr int64_t kFullRedrawSeconds = 45;

// Moves a coordinate `by` pixels towards the centre line, unless it is on it.
int Inward(int value, int centre, int by) {
    if (value > centre) return value - by;
    if (value < centre) return value + by;
    return value;
}

}  // namespace

RotorGeometry RotorGeometryFor(const Box& box, int lineHeight) {
    const int h = box.bottom - box.top;
    return {h * 4 / 17, box.left + (box.right - box.left) / 2, box.top + h / 4, box.bottom - lineHeight - 1};
}

std::array<Segment, 11> RotorTicks(const RotorGeometry& g) {
    std::array<Segment, 11> ticks;
    size_t n = 0;
    for (int degrees = 0; degrees < 360; degrees += 45) {
        const double a = degrees * kRadiansPerDegree;
        const int x = g.cx + static_cast<int>(std::sin(a) * g.r);
        const int y = g.cy - static_cast<int>(std::cos(a) * g.r);
        ticks[n++] = {{Inward(x, g.cx, 1), Inward(y, g.cy, 1)}, {Inward(x, g.cx, 4), Inward(y, g.cy, 4)}};
    }
    for (int degrees = 45; degrees <= 135; degrees += 45) {
        const double a = degrees * kRadiansPerDegree;
        const int x = g.cx - static_cast<int>(std::cos(a) * g.r);
        const int y = g.ey - static_cast<int>(std::sin(a) * g.r);
        ticks[n++] = {{Inward(x, g.cx, 1), y + 1}, {Inward(x, g.cx, 4), y + 4}};
    }
    return ticks;
}

Point AzimuthNeedleEnd(const RotorGeometry& g, double azimuthDegrees) {
    const double a = azimuthDegrees * kRadiansPerDegree;
    return {Inward(g.cx + static_cast<int>(std::sin(a) * g.r), g.cx, 1),
            Inward(g.cy - static_cast<int>(std::cos(a) * g.r), g.cy, 1)};
}

Point ElevationNeedleEnd(const RotorGeometry& g, double elevationDegrees) {
    const double a = elevationDegrees * kRadiansPerDegree;
    return {Inward(g.cx - static_cast<int>(std::cos(a) * g.r), g.cx, 1),
            Inward(g.ey - static_cast<int>(std::sin(a) * g.r), g.ey, 1)};
}

std::vector<Point> ArcPoints(int cx, int cy, int r, double from, double to) {
    std::vector<Point> points;
    for (double a = from; a <= to + 1e-9; a += kArcStep) {
        points.push_back({cx + static_cast<int>(std::cos(a) * r), cy + static_cast<int>(std::sin(a) * r)});
    }
    return points;
}

RotorRedraw PlanRotorRedraw(double drawnAzimuth, double drawnElevation, double azimuth, double elevation,
                            int64_t lastFullRedraw, int64_t now) {
    if (now - lastFullRedraw > kFullRedrawSeconds) return {true, false, false};
    return {false, azimuth != drawnAzimuth, elevation != drawnElevation};
}

}  // namespace tarvon
