#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "orbit/KepsDatabase.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/Propagation.h"

// Whatever bytes stand in for "Kova.KEP": the damage is told exactly, no
// damaged slot can be found, and every slot that can be found propagates to
// finite numbers.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvon;
    KepsDatabase db;
    const KepsFileCheck check = DecodeKepsDatabase(std::span<const uint8_t>(data, size), db);
    if (check.WrongSize() != (size != kKepsFileBytes)) std::abort();
    size_t damaged = 0;
    for (int i = 0; i < kKepsSlots; ++i) {
        const KepsRecord& r = db.slots[i];
        if (std::memchr(r.name, 0, sizeof r.name) == nullptr) std::abort();
        if (std::memchr(r.modeSchedule, 0, sizeof r.modeSchedule) == nullptr) std::abort();
        if (IsDamagedSlot(r)) {
            if (damaged >= check.damagedSlots.size() || check.damagedSlots[damaged++] != i) std::abort();
            if (FindKepsByName(db, r.name) == i || FindKepsByCatalog(db, r.catalogNumber) == i) std::abort();
        } else if (!IsFreeSlot(r)) {
            SatState s;
            InitSatState(r, s, 0.0);
            s.now = s.epoch;
            ObserverGeo station = ObserverFromStation({"FUZZ", -11.6, 48.1, 520.0});
            UpdateLookAngles(s, station);
            if (!std::isfinite(s.azimuth) || !std::isfinite(s.elevation) || !std::isfinite(s.range)) std::abort();
        }
    }
    if (damaged != check.damagedSlots.size() || check.Damaged() != (check.WrongSize() || damaged > 0)) std::abort();
    return 0;
}
