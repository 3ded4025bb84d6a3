#include "orbit/MapProjection.h"

#include <cmath>

#include "orbit/OrbitConstants.h"

namespace tarvon {
namespace {

using namespace orbit;

constexpr MapOrigin kOrigins[kMapOriginCount] = {
    {"170W", -17, 0.0},
    {"30W", 290, -147.0},
    {"80E", 145, 113.0},
};

// Lines longer than this across the map are taken as leaving one side.
constexpr int kWrapRight = 350;
constexpr int kWrapLeft = 170;

// The height at which the line from a to b (b moved by a whole map width)
// reaches the edge at x = edge.
int HeightAtEdge(MapPoint a, MapPoint b, int bShift, int edge) {
    const double bx = b.x + bShift;
    const double t = (edge - a.x) / (bx - a.x);
    return static_cast<int>(std::lround(a.y + t * (b.y - a.y)));
}

void AddSegment(MapPoint a, MapPoint b, std::vector<MapSegment>& out) {
    if (a.x > kWrapRight && b.x < kWrapLeft) {
        const int y = HeightAtEdge(a, b, kMapWidth, kMapWidth);
        out.push_back({a, {kMapWidth, y}});
        out.push_back({{0, y}, b});
    } else if (a.x < kWrapLeft && b.x > kWrapRight) {
        const int y = HeightAtEdge(a, b, -kMapWidth, 0);
        out.push_back({a, {0, y}});
        out.push_back({{kMapWidth, y}, b});
    } else {
        out.push_back({a, b});
    }
}

}  // namespace

const MapOrigin& MapOriginAt(uint32_t index) { return kOrigins[index < kMapOriginCount ? index : 0]; }

MapPoint ProjectToMap(double latitudeDeg, double westLongitudeDeg, int originShift) {
    double west = std::fmod(westLongitudeDeg, 360.0);
    if (west < 0.0) west += 360.0;
    int x = static_cast<int>(std::trunc(260.0 - west * kMapPixelsPerDegree)) + originShift;
    if (x < 0) x += kMapWidth;
    if (x >= kMapWidth) x -= kMapWidth;
    const int y = static_cast<int>(std::trunc(130.0 - latitudeDeg * kMapPixelsPerDegree));
    return {x, y};
}

int PictureSplit(int originShift) {
    int split = originShift + 17;
    if (split > kMapWidth) split -= kMapWidth;
    return split;
}

MapPosition MapReadout(int x, int y, uint32_t originIndex) {
    double west;
    if (x >= 242 && x < 505) {
        west = -(x - 242) * kMapDegreesPerPixel;
    } else {
        west = ((x < 242 ? 241 : 763) - x) * kMapDegreesPerPixel;
    }
    west += MapOriginAt(originIndex).readoutCorrection;
    west = std::fmod(west + 180.0, 360.0);
    if (west < 0.0) west += 360.0;
    west -= 180.0;
    return {(130 - y) * kMapDegreesPerPixel, west};
}

std::array<MapPoint, kCirclePoints> AcquisitionCircle(double latitude, double westLongitude, double heightKm,
                                                      int originShift) {
    static const auto kAngles = [] {
        std::array<std::array<double, 2>, kCirclePoints> t{};
        for (size_t k = 0; k < kCirclePoints; ++k) {
            const double a = 7.2 * static_cast<double>(k) * kDegToRad;
            t[k] = {std::sin(a), std::cos(a)};
        }
        return t;
    }();
    const double beta = std::acos(kEarthRadius / (kEarthRadius + heightKm));
    const double sinB = std::sin(beta), cosB = std::cos(beta);
    const double sinP = std::sin(latitude), cosP = std::cos(latitude);
    const double sinL = std::sin(westLongitude), cosL = std::cos(westLongitude);
    std::array<MapPoint, kCirclePoints> points;
    for (size_t k = 0; k < kCirclePoints; ++k) {
        const double sinA = kAngles[k][0], cosA = kAngles[k][1];
        const double x = cosP * cosB - sinP * sinB * cosA;
        const double z = sinP * cosB + cosP * sinB * cosA;
        const double t = sinB * sinA;
        const double p = x * cosL - t * sinL;
        const double q = x * sinL + t * cosL;
        // Due north or south of the axis (p = 0) the point lies on the
        // body's own meridian side that q points to.
        double west = p == 0.0 ? (q >= 0.0 ? kPi / 2 : 3 * kPi / 2) : std::atan(q / p);
        if (p < 0.0) west += kPi;
        if (west < 0.0) west += kTwoPi;
        points[k] = ProjectToMap(std::asin(z) * kRadToDeg, west * kRadToDeg, originShift);
    }
    return points;
}

std::vector<MapSegment> MapPolyline(const MapPoint* points, size_t count, bool closed) {
    std::vector<MapSegment> out;
    if (count < 2) return out;
    out.reserve(count + 4);
    for (size_t i = 0; i + 1 < count; ++i) AddSegment(points[i], points[i + 1], out);
    if (closed) AddSegment(points[count - 1], points[0], out);
    return out;
}

GroundTrackSpan GroundTrackSpanAt(double mapTime, double revolutionsPerDay, bool forward) {
    GroundTrackSpan span;
    const double period = 1.0 / revolutionsPerDay;
    span.step = period / kGroundTrackPoints;
    span.start = forward ? mapTime : mapTime - period;
    span.end = span.start + period;
    return span;
}

}  // namespace tarvon
