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

// A real set for the ISS as an element file gives it, and the file text of
// a set: its three lines, each ended by `eol`.
inline const std::string kIssName = "ISS (ZARYA)             ";
inline const std::string kIss1 = "1 25544U 98067A   26130.51782528  .00010416  00000+0  19146-3 0  9994";
inline const std::string kIss2 = "2 25544  51.6330 165.3720 0006830 119.5893 240.5841 15.49330214566201";
inline std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
inline std::string Set(const std::string& name, const std::string& l1, const std::string& l2, const char* eol = "\n") {
    return name + eol + l1 + eol + l2 + eol;
}
// That set imported, with the station's beacon and mode schedule.
KepsRecord ImportedIss();

// 2001-09-23 00:00:00 UTC, within a day of the amateur file's epochs.
constexpr int32_t kAmateurFileTime = 1001203200;
// 2026-05-11 00:00:00 UTC, the BBS bulletin's newest epochs.
constexpr int32_t kBulletinTime = 1778457600;

}  // namespace tarvon::testing
