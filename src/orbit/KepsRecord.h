#pragma once
// One element set of the element database, and its 166-byte stored form.
#include <cstddef>
#include <cstdint>

namespace tarvon {

constexpr size_t kKepsRecordBytes = 166;
constexpr size_t kKepsNameChars = 12;
constexpr size_t kKepsModeScheduleChars = 64;  // the text is meant to stop at 63
constexpr int16_t kAttitudeNotSet = 9999;

struct KepsRecord {
    char name[13] = {};  // empty = free slot
    uint16_t catalogNumber = 0;
    int32_t elementSet = 0;
    int32_t epochOrbit = 0;
    double epochDay = 0.0;  // 1.0 = 1 January 00:00 UT
    double decay = 0.0;     // rev/day^2, already halved
    double inclination = 0.0;
    double raan = 0.0;
    double eccentricity = 0.0;
    double argPerigee = 0.0;
    double meanAnomaly = 0.0;
    double meanMotion = 0.0;    // rev/day
    double beaconMhz = 0.0;     // 0 = none
    int16_t epochYear = 0;      // two digits as in the element source
    int16_t blon = kAttitudeNotSet;
    int16_t blat = kAttitudeNotSet;
    char modeSchedule[65] = {};
};

void ClearKepsRecord(KepsRecord& record);
bool IsFreeSlot(const KepsRecord& record);
// Whether the elements describe an orbit around the Earth that propagation
// can follow: every number finite, a real epoch, an ellipse whose perigee
// clears the ground and whose period the Earth can hold. Anything else would
// only predict nonsense, so it is never imported and never propagated.
bool ElementsCanBeAnOrbit(const KepsRecord& record);
// A slot in use whose elements cannot be an orbit, and one that may be propagated.
bool IsDamagedSlot(const KepsRecord& record);
bool IsUsableSlot(const KepsRecord& record);
void CopyKepsName(KepsRecord& record, const char* name);

// Little-endian, field by field. Decoding terminates both texts, whatever
// the bytes held.
void EncodeKepsRecord(const KepsRecord& record, uint8_t* bytes);
void DecodeKepsRecord(const uint8_t* bytes, KepsRecord& record);

}  // namespace tarvon
