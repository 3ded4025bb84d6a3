#include "orbit/KepsRecord.h"

#include <bit>
#include <cstring>
#include <initializer_list>
#include <type_traits>

namespace tarvon {
namespace {

template <typename T>
void Put(uint8_t*& out, T value) {
    using U = std::conditional_t<sizeof(T) == 8, uint64_t, std::conditional_t<sizeof(T) == 4, uint32_t, uint16_t>>;
    const U bits = std::bit_cast<U>(value);
    for (size_t i = 0; i < sizeof(T); ++i) *out++ = static_cast<uint8_t>(bits >> (8 * i));
}

template <typename T>
void Get(const uint8_t*& in, T& value) {
    using U = std::conditional_t<sizeof(T) == 8, uint64_t, std::conditional_t<sizeof(T) == 4, uint32_t, uint16_t>>;
    U bits = 0;
    for (size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<U>(static_cast<U>(*in++) << (8 * i));
    value = std::bit_cast<T>(bits);
}

}  // namespace

void ClearKepsRecord(KepsRecord& record) { record = KepsRecord{}; }

bool IsFreeSlot(const KepsRecord& record) { return record.name[0] == '\0'; }

void CopyKepsName(KepsRecord& record, const char* name) {
    std::memset(record.name, 0, sizeof record.name);
    std::strncpy(record.name, name, kKepsNameChars);
}

void EncodeKepsRecord(const KepsRecord& r, uint8_t* bytes) {
    uint8_t* out = bytes;
    std::memcpy(out, r.name, sizeof r.name);
    out += sizeof r.name;
    Put(out, r.catalogNumber);
    Put(out, r.elementSet);
    Put(out, r.epochOrbit);
    for (double v : {r.epochDay, r.decay, r.inclination, r.raan, r.eccentricity, r.argPerigee, r.meanAnomaly,
                     r.meanMotion, r.beaconMhz}) {
        Put(out, v);
    }
    Put(out, r.epochYear);
    Put(out, r.blon);
    Put(out, r.blat);
    std::memcpy(out, r.modeSchedule, sizeof r.modeSchedule);
}

void DecodeKepsRecord(const uint8_t* bytes, KepsRecord& r) {
    const uint8_t* in = bytes;
    std::memcpy(r.name, in, sizeof r.name);
    r.name[kKepsNameChars] = '\0';
    in += sizeof r.name;
    Get(in, r.catalogNumber);
    Get(in, r.elementSet);
    Get(in, r.epochOrbit);
    for (double* v : {&r.epochDay, &r.decay, &r.inclination, &r.raan, &r.eccentricity, &r.argPerigee,
                      &r.meanAnomaly, &r.meanMotion, &r.beaconMhz}) {
        Get(in, *v);
    }
    Get(in, r.epochYear);
    Get(in, r.blon);
    Get(in, r.blat);
    std::memcpy(r.modeSchedule, in, sizeof r.modeSchedule);
    r.modeSchedule[kKepsModeScheduleChars] = '\0';
}

}  // namespace tarvon
