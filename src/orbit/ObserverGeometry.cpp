#include "orbit/ObserverGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "orbit/OrbitConstants.h"
#include "orbit/Propagation.h"
#include "orbit/Sun.h"

namespace tarvon {
using namespace orbit;

ObserverGeo ObserverFromStation(const StationConfig& station) {
    ObserverGeo o;
    std::strncpy(o.name, station.callsign.c_str(), sizeof o.name - 1);
    o.latitude = station.latitude * kDegToRad;
    o.longitude = station.longitude * kDegToRad;
    o.height = station.altitude * 0.001;
    return o;
}

void SubSatellitePoint(SatState& s, double t) {
    const Vec3& p = s.position;
    double lon = SiderealAngle(s, t) - std::atan2(p.y, p.x);
    lon -= kTwoPi * std::floor(lon / kTwoPi);
    s.subLongitude = lon;
    s.subLatitude = std::atan(p.z / std::sqrt(p.x * p.x + p.y * p.y));
    s.height = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z) - kEarthRadius;
}

void SetupObserver(ObserverGeo& o, const SatState& s) {
    if (!o.geoValid || o.geoLatitude != o.latitude || o.geoHeight != o.height) {
        const double lat = std::atan(kLatitudeFactor * std::tan(o.latitude));
        o.geoCos = std::cos(lat);
        o.geoSin = std::sin(lat);
        o.geoNormal = kEarthRadius / std::sqrt(1.0 - kEccentricitySquared * o.geoSin * o.geoSin);
        o.geoLatitude = o.latitude;
        o.geoHeight = o.height;
        o.geoValid = true;
    }
    const double c = o.geoCos, sn = o.geoSin, n = o.geoNormal;
    const double theta = SiderealAngle(s, s.now) - o.longitude;
    const double cosT = std::cos(theta), sinT = std::sin(theta);
    o.position = {c * cosT * (n + o.height), c * sinT * (n + o.height), sn * (kOneMinusEccentricitySquared * n + o.height)};
    o.velocityX = -kEarthRotationRate * o.position.y;
    o.velocityY = kEarthRotationRate * o.position.x;
    o.south = {sn * cosT, sn * sinT, -c};
    o.east = {-sinT, cosT, 0.0};
    o.up = {c * cosT, c * sinT, sn};
}

Topocentric TopocentricOf(const SatState& s, const ObserverGeo& o) {
    const Vec3 r{s.position.x - o.position.x, s.position.y - o.position.y, s.position.z - o.position.z};
    return {o.south.x * r.x + o.south.y * r.y + o.south.z * r.z, o.east.x * r.x + o.east.y * r.y + o.east.z * r.z,
            o.up.x * r.x + o.up.y * r.y + o.up.z * r.z};
}

double TangentOfElevation(const Topocentric& t) { return t.up / std::sqrt(t.east * t.east + t.south * t.south); }

double AzimuthOf(const Topocentric& t) { return kPi - std::atan2(t.east, t.south); }

void ComputeLookAngles(SatState& s, const ObserverGeo& o) {
    const Topocentric t = TopocentricOf(s, o);
    s.elevation = std::atan(TangentOfElevation(t));
    s.azimuth = AzimuthOf(t);
}

void RangeRateAndSquint(SatState& s, ObserverGeo& o) {
    const Vec3 r{s.position.x - o.position.x, s.position.y - o.position.y, s.position.z - o.position.z};
    s.range = std::sqrt(r.x * r.x + r.y * r.y + r.z * r.z);
    o.rangeRate = ((s.velocity.x - o.velocityX) * r.x + (s.velocity.y - o.velocityY) * r.y + s.velocity.z * r.z) / s.range;
    const Vec3& a = s.antennaAxis;
    // Rounding can put the cosine a hair outside [-1, 1].
    const double cosine =
        std::clamp(-((r.x / s.range) * a.x + (r.y / s.range) * a.y + (r.z / s.range) * a.z), -1.0, 1.0);
    const double degrees = std::acos(cosine) * kRadToDeg;
    o.squint = std::isfinite(degrees) ? static_cast<int32_t>(degrees) : 0;
}

void UpdateLookAngles(SatState& s, ObserverGeo& o) {
    if (s.now - s.sunTime > kSunRecomputeDays) {
        s.sunTime = s.now;
        UpdateSun(s);
    }
    PropagateSat(s, s.now);
    SetupObserver(o, s);
    SubSatellitePoint(s, s.now);
    ComputeLookAngles(s, o);
    RangeRateAndSquint(s, o);
}

}  // namespace tarvon
