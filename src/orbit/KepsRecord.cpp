#include "orbit/KepsRecord.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <type_traits>

#include "orbit/OrbitConstants.h"

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

namespace {

// Slower than one revolution in 100 days the orbit would reach beyond
// 900,000 km, where the Sun, not the Earth, holds a body.
constexpr double kSlowestMeanMotion = 0.01;
// The two-line format cannot carry a larger first derivative of the mean
// motion; nothing that still orbits comes near it.
constexpr double kLargestDecay = 1.0;

bool Within(double value, double low, double high) { return value >= low && value <= high; }

}  // namespace

bool ElementsCanBeAnOrbit(const KepsRecord& r) {
    for (double v : {r.epochDay, r.decay, r.inclination, r.raan, r.eccentricity, r.argPerigee, r.meanAnomaly,
                     r.meanMotion, r.beaconMhz}) {
        if (!std::isfinite(v)) return false;
    }
    // Two digits as element files give them, or a full year of the span the
    // day-number scale counts exactly.
    const bool yearOk = Within(r.epochYear, 0, 99) || Within(r.epochYear, 1901, 2099);
    const bool dayOk = r.epochDay >= 1.0 && r.epochDay < 367.0;
    const bool anglesOk = Within(r.inclination, 0.0, 180.0) && std::fabs(r.raan) <= 360.0 &&
                          std::fabs(r.argPerigee) <= 360.0 && std::fabs(r.meanAnomaly) <= 360.0;
    if (!yearOk || !dayOk || !anglesOk || r.beaconMhz < 0.0) return false;
    if (r.eccentricity < 0.0 || r.eccentricity >= 1.0 || r.meanMotion < kSlowestMeanMotion ||
        std::fabs(r.decay) >= kLargestDecay) {
        return false;
    }
    const double semiMajorAxis = orbit::kSemiMajorAxisFactor * std::pow(1440.0 / r.meanMotion, 2.0 / 3.0);
    return semiMajorAxis * (1.0 - r.eccentricity) > orbit::kEarthRadius;
}

bool IsDamagedSlot(const KepsRecord& record) { return !IsFreeSlot(record) && !ElementsCanBeAnOrbit(record); }

bool IsUsableSlot(const KepsRecord& record) { return !IsFreeSlot(record) && ElementsCanBeAnOrbit(record); }

void CopyKepsName(KepsRecord& record, const char* name) {
    std::memset(record.name, 0, sizeof record.name);
    std::strncpy(record.name, name, kKepsNameChars);
    if (std::strlen(name) <= kKepsNameChars) return;
    // A UTF-8 character cut by the field's end would leave a name that no
    // registry key or typed name can ever match: drop the whole character.
    size_t lead = kKepsNameChars;
    while (lead > 0 && (uint8_t(record.name[lead - 1]) & 0xC0) == 0x80) --lead;
    if (lead == 0 || uint8_t(record.name[lead - 1]) < 0xC0) return;
    const uint8_t first = uint8_t(record.name[lead - 1]);
    const size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : 2;
    if (lead - 1 + length > kKepsNameChars) std::memset(record.name + lead - 1, 0, kKepsNameChars - (lead - 1));
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
