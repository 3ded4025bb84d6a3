#pragma once
// Real element sets and stations for the orbit tests.
#include <cstdint>
#include <string>
#include <vector>

#include "TestElements.h"
#include "orbit/KepsDatabase.h"
#include "orbit/SatState.h"

namespace tarvon::testing {

// The state of the named satellite at a Unix time.
SatState StateAt(const KepsDatabase& db, const char* name, int32_t unixTime);
ObserverGeo Observer(double latitudeDeg, double westLongitudeDeg, double altitudeM);
// A low circular orbit as most of the station's satellites fly: 98 degrees,
// epoch 2026 day 100, a beacon on 145 MHz.
KepsRecord LowOrbit(const char* name, uint16_t catalog = 1, double meanMotion = 14.5);

// 2001-09-23 00:00:00 UTC, within a day of the amateur file's epochs.
constexpr int32_t kAmateurFileTime = 1001203200;
// 2026-05-11 00:00:00 UTC, the BBS bulletin's newest epochs.
constexpr int32_t kBulletinTime = 1778457600;

}  // namespace tarvon::testing
