#include "orbit_helpers.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/Settings.h"
#include "core/TimeScales.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/Propagation.h"

namespace tarvon::testing {

SatState StateAt(const KepsDatabase& db, const char* name, int32_t unixTime) {
    SatState s;
    const int slot = FindKepsByName(db, name);
    EXPECT_GE(slot, 0) << name;
    if (slot >= 0) InitSatState(db.slots[slot], s, DayNumberFromUnixTime(unixTime));
    return s;
}

ObserverGeo Observer(double latitudeDeg, double westLongitudeDeg, double altitudeM) {
    return ObserverFromStation(StationConfig{"TEST", westLongitudeDeg, latitudeDeg, altitudeM});
}

KepsRecord LowOrbit(const char* name, uint16_t catalog, double meanMotion) {
    KepsRecord r{.catalogNumber = catalog, .epochDay = 100.0, .inclination = 98.0, .meanMotion = meanMotion,
                 .beaconMhz = 145.0, .epochYear = 26};
    CopyKepsName(r, name);
    return r;
}

KepsRecord ImportedIss() {
    KepsDatabase db;
    ImportReport report;
    EXPECT_TRUE(ImportTwoLineFile(Bytes(Set(kIssName, kIss1, kIss2)), db, report));
    KepsRecord r = db.slots[0];
    r.beaconMhz = 145.825;
    std::strcpy(r.modeSchedule, "V 0-255");
    return r;
}

}  // namespace tarvon::testing
