#include "ImportInvariants.h"

#include <cstdlib>
#include <cstring>

namespace tarvon::fuzz {

KepsDatabase SeededDatabase() {
    KepsDatabase db;
    for (uint16_t catalog : {25544, 7530, 1}) {
        KepsRecord r;
        CopyKepsName(r, catalog == 1 ? "ONE" : "KEPT");
        r.catalogNumber = catalog;
        r.epochYear = 26;
        r.epochDay = 100.0;
        r.inclination = 98.0;
        r.meanMotion = 14.5;
        r.beaconMhz = 145.8;
        r.blon = 10;
        r.blat = 20;
        std::strcpy(r.modeSchedule, "B 0-255");
        AddKepsRecord(db, r);
    }
    return db;
}

void CheckImport(const KepsDatabase& before, const KepsDatabase& after, const ImportReport& report) {
    int added = 0;
    for (int i = 0; i < kKepsSlots; ++i) {
        const KepsRecord& was = before.slots[i];
        const KepsRecord& now = after.slots[i];
        if (std::memchr(now.name, 0, sizeof now.name) == nullptr) std::abort();
        if (std::memchr(now.modeSchedule, 0, sizeof now.modeSchedule) == nullptr) std::abort();
        // Whatever an import stores can be propagated.
        uint8_t wasBytes[kKepsRecordBytes], nowBytes[kKepsRecordBytes];
        EncodeKepsRecord(was, wasBytes);
        EncodeKepsRecord(now, nowBytes);
        if (std::memcmp(wasBytes, nowBytes, kKepsRecordBytes) != 0 && !ElementsCanBeAnOrbit(now)) std::abort();
        if (IsFreeSlot(was)) {
            if (!IsFreeSlot(now)) {
                ++added;
                if (now.catalogNumber == 0) std::abort();
            }
            continue;
        }
        // A stored satellite keeps its name, its catalogue number and the
        // station's own fields; only its elements may change.
        if (std::strcmp(was.name, now.name) != 0 || was.catalogNumber != now.catalogNumber ||
            was.beaconMhz != now.beaconMhz || was.blon != now.blon || was.blat != now.blat ||
            std::strcmp(was.modeSchedule, now.modeSchedule) != 0) {
            std::abort();
        }
    }
    if (static_cast<size_t>(added) > report.size()) std::abort();
}

}  // namespace tarvon::fuzz
