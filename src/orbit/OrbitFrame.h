#pragma once
// The orbit plane in the inertial frame, and a point on the ellipse: shared
// by the satellites and the Sun.
#include "orbit/SatState.h"

namespace tarvon {

struct OrbitFrame {
    Vec3 p, q, w;
    Vec3 InPlane(double x, double y) const { return {x * p.x + y * q.x, x * p.y + y * q.y, x * p.z + y * q.z}; }
    Vec3 InSpace(double x, double y, double z) const {
        return {x * p.x + y * q.x + z * w.x, x * p.y + y * q.y + z * w.y, x * p.z + y * q.z + z * w.z};
    }
};

struct OrbitPoint {
    double radius;
    double x, y;    // km, in the orbit plane
    double vx, vy;  // km/s
};

OrbitFrame MakeOrbitFrame(double cosInclination, double sinInclination, double node, double argPerigee);
OrbitPoint PointInOrbit(double semiMajorAxis, double eccentricity, double meanAnomaly);

}  // namespace tarvon
