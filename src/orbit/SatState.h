#pragma once
// A satellite's orbit state, an observer on the ground, and the Sun as each
// state sees it. Plain records: whoever holds one owns it, and threads that
// look ahead work on copies.
#include <cstdint>

namespace tarvon {

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

// The Sun's element set for one state's time; every state carries its own,
// so states on different threads never share it.
struct SunElements {
    double epoch = 0.0;        // day number
    double inclination = 0.0;  // obliquity of the ecliptic, rad
    double eccentricity = 0.0;
    double argPerigee = 0.0;   // rad
    double meanAnomaly = 0.0;  // rad, at the epoch
    double meanMotion = 0.0;   // rev/day
    Vec3 position;             // km, after the last shadow test
};

struct SatState {
    char name[13] = {};
    uint32_t catalogNumber = 0;
    int32_t epochYear = 0;
    int32_t elementSet = 0;
    int32_t epochOrbitNumber = 0;
    double nodeRate = 0.0;     // rad/day, subtracted
    double perigeeRate = 0.0;  // rad/day, added
    Vec3 position;             // km, inertial
    Vec3 velocity;             // km/s
    Vec3 antennaAxis;
    double radius = 0.0;
    double epochOrbit = 0.0;   // revolutions
    double semiMajorAxis = 0.0;
    double subLatitude = 0.0;   // rad, geocentric
    double subLongitude = 0.0;  // rad, west positive, [0, 2pi)
    double azimuth = 0.0;
    double elevation = 0.0;
    double height = 0.0;
    double range = 0.0;
    double epoch = 0.0;  // day number
    double decay = 0.0;
    double inclination = 0.0;
    double raan = 0.0;
    double eccentricity = 0.0;
    double argPerigee = 0.0;
    double meanAnomaly = 0.0;
    double meanMotion = 0.0;
    double phase = 0.0;     // 256ths of an orbit
    double now = 0.0;       // day number of the last computation
    double sunTime = 0.0;   // when the Sun was last recomputed
    double siderealDay = 0.0;
    double siderealAngle = 0.0;  // revolutions
    // The pass search (see PassSearch.h).
    double aos = -1.0;
    double los = 0.0;
    double searchElevation = 0.0;
    int32_t searchState = -1;
    int32_t nextEventTime = 0;
    double searchStart = 0.0;  // where the current search began, for its limits
    double blon = 0.0;  // rad
    double blat = 0.0;
    int32_t unixNow = 0;
    double doppler = 0.0;          // Hz
    double beaconFrequency = 0.0;  // Hz, 0 = none
    // The mode schedule text of the element set; its owner parses it.
    char modeSchedule[65] = {};
    double shadowSine = 0.0;
    double shadowCosine = 0.0;
    double aosAzimuth = 0.0;
    double maxAzimuth = 0.0;
    int32_t overhead = 0;
    SunElements sun;
    // Fixed by the element set, kept so that each propagation need not
    // recompute them (InitSatState and RefreshSatState fill them).
    double epochSiderealDay = 0.0;
    double epochSiderealAngle = 0.0;
    double cosInclination = 1.0, sinInclination = 0.0;
    Vec3 antennaInPlane;  // the antenna axis in orbit-plane coordinates
};

struct ObserverGeo {
    char name[26] = {};
    int32_t squint = 0;       // degrees
    double latitude = 0.0;    // rad, geodetic, north positive
    double longitude = 0.0;   // rad, west positive
    double height = 0.0;      // km
    Vec3 position;            // km, inertial
    double velocityX = 0.0;   // km/s
    double velocityY = 0.0;
    double rangeRate = 0.0;   // km/s, positive receding
    Vec3 south, east, up;
    // Fixed by latitude and height; refreshed when either changes.
    double geoLatitude = 0.0, geoHeight = 0.0;
    bool geoValid = false;
    double geoCos = 0.0, geoSin = 0.0, geoNormal = 0.0;
};

}  // namespace tarvon
