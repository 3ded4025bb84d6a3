#pragma once
// The fields of the "Edit Satellite Data" dialog as texts, and back. The
// dialog only moves these texts to and from its controls.
#include <string>

#include "orbit/KepsRecord.h"

namespace tarvon {

struct KepsEditFields {
    std::string name;
    std::string catalogNumber;
    std::string elementSet;
    std::string epoch;  // "%2d %12.8f": year, then the day from the third character
    std::string meanAnomaly;
    std::string meanMotion;
    std::string inclination;
    std::string eccentricity;
    std::string argPerigee;
    std::string raan;
    std::string decay;
    std::string orbitNumber;
    std::string blon;  // both empty when not set
    std::string blat;
    std::string beaconMhz;
    std::string modeSchedule;
};

// The dialog's input limits, in characters.
namespace edit_limits {
constexpr size_t kName = 11;
constexpr size_t kNumber = 11;
constexpr size_t kEpoch = 16;
constexpr size_t kOrbitNumber = 7;
constexpr size_t kAttitude = 4;
constexpr size_t kModeSchedule = 64;
}  // namespace edit_limits

KepsEditFields FormatKepsFields(const KepsRecord& record);

// The record with the fields' values. A number whose text is still what
// FormatKepsFields showed keeps its stored value, so that pressing OK does
// not cut the stored precision to the six decimals shown. An empty Blon or
// Blat sets both to "not set".
KepsRecord ApplyKepsFields(const KepsRecord& shown, const KepsEditFields& fields);

}  // namespace tarvon
