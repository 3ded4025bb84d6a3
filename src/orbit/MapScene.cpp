#include "orbit/MapScene.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "orbit/ObserverGeometry.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Propagation.h"
#include "orbit/Sun.h"

namespace tarvon {
namespace {

using namespace orbit;

// The Sun's elements change slowly: recomputing them every few hours of map
// time keeps fast motion cheap.
constexpr double kSunRefreshDays = 0.15;
constexpr double kTwilightElevation = -0.20943951023931956;  // -12 degrees

void InitSunRecord(SatState& s) {
    s = SatState{};
    std::strncpy(s.name, kSunName, sizeof s.name - 1);
    s.blon = s.blat = kAttitudeNotSet * kDegToRad;
    s.meanMotion = 1.0;
}

// The Sun as a body: its position from its own elements, seen against a
// sidereal base of the same day.
void PlaceSun(SatState& s, double t) {
    if (std::fabs(t - s.sunTime) >= kSunRefreshDays || s.sunTime == 0.0) {
        s.now = t;
        s.sunTime = t;
        UpdateSun(s);
    }
    s.now = t;
    SetSiderealBase(s, t);
    SunPosition(s, t);
    s.position = s.sun.position;
    s.velocity = Vec3{};
    s.radius = std::sqrt(s.position.x * s.position.x + s.position.y * s.position.y + s.position.z * s.position.z);
    SubSatellitePoint(s, t);
}

void PlaceBody(SatState& body, bool isSun, double t) {
    if (isSun) {
        PlaceSun(body, t);
        return;
    }
    body.now = t;
    PropagateSat(body, t);
    SubSatellitePoint(body, t);
}

}  // namespace

void ShowSunInScene(MapScene& scene) {
    InitSunRecord(scene.body);
    scene.bodyIsSun = true;
}

void ShowSatelliteInScene(MapScene& scene, const KepsRecord& keps, double now) {
    InitSatState(keps, scene.body, now);
    scene.bodyIsSun = false;
}

double SceneRevolutionsPerDay(const MapScene& scene) {
    const double n = scene.bodyIsSun ? 1.0 : scene.body.meanMotion;
    return n > 0.0 ? n : 1.0;
}

bool HasAntennaAttitude(const SatState& body) { return body.blon != kAttitudeNotSet * kDegToRad; }

void UpdateMapScene(MapScene& scene, ObserverGeo& station) {
    if (scene.sun.name[0] == '\0') InitSunRecord(scene.sun);
    const double t = scene.time;
    if (!scene.bodyIsSun && std::fabs(t - scene.body.sunTime) >= kSunRefreshDays) {
        scene.body.sunTime = t;
        scene.body.now = t;
        UpdateSun(scene.body);
    }
    PlaceBody(scene.body, scene.bodyIsSun, t);
    scene.body.unixNow = scene.unixTime;
    scene.eclipsed = !scene.bodyIsSun && IsEclipsed(scene.body, t);
    PlaceSun(scene.sun, t);

    SatState sunSeen = scene.sun;
    SetupObserver(station, sunSeen);
    ComputeLookAngles(sunSeen, station);
    SetupObserver(station, scene.body);
    ComputeLookAngles(scene.body, station);
    scene.visible = !scene.eclipsed && !scene.bodyIsSun && scene.body.elevation > 0.0 &&
                    sunSeen.elevation < kTwilightElevation;
}

void ComputeGroundTrack(const MapScene& scene, const GroundTrackSpan& span, int originShift,
                        MapPoint (&points)[kGroundTrackPoints]) {
    SatState s = scene.body;
    for (int k = 0; k < kGroundTrackPoints; ++k) {
        const double t = span.start + k * span.step;
        PlaceBody(s, scene.bodyIsSun, t);
        points[k] = ProjectToMap(s.subLatitude * kRadToDeg, s.subLongitude * kRadToDeg, originShift);
    }
}

double FastStepFor(uint32_t mapSpeed, double revolutionsPerDay) {
    return 1.0 / (static_cast<double>(mapSpeed ? mapSpeed : 100) * revolutionsPerDay);
}

double LongerFastStep(double step) { return std::min(step * 1.2, 1.0); }

double ShorterFastStep(double step) {
    step *= 0.8;
    return step < 2.3148148148148147e-5 ? 1.1574074074074073e-5 : step;
}

double SignedWestLongitude(double westLongitude) {
    return westLongitude >= kPi ? westLongitude - kTwoPi : westLongitude;
}

}  // namespace tarvon
