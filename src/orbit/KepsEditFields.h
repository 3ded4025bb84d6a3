#pragma once
// The fields of the "Edit Satellite Data" dialog as texts, and back. The
// dialog only moves these texts to and from its controls.
#include <optional>
#include <string>

#include "core/FieldChecks.h"
#include "orbit/KepsRecord.h"

namespace tarvon {

struct KepsEditFields {
    std::string name;
    std::string catalogNumber;
    std::string elementSet;
    std::string epoch;  // "%2d %12.8f": year, then the day of the year
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

    bool operator==(const KepsEditFields&) const = default;
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

// The fields in the order the dialog shows them, as FieldProblem::field.
enum class KepsField { Name, CatalogNumber, ElementSet, Epoch, MeanAnomaly, MeanMotion, Inclination, Eccentricity,
                       ArgPerigee, Raan, Decay, OrbitNumber, Blon, Blat, Beacon, Schedule };

// What is wrong with the fields, or nothing when they may be stored: every
// number must be one of its kind and range, and the elements together must
// be an orbit, or a typing slip would put a satellite into the database that
// no prediction can follow. The fields of a cleared slot are a free slot and
// pass as they are.
std::optional<FieldProblem> CheckKepsFields(const KepsRecord& shown, const KepsEditFields& fields);

// The record with the fields' values. A number whose text is still what
// FormatKepsFields showed keeps its stored value, so that pressing OK does
// not cut the stored precision to the six decimals shown. An empty Blon or
// Blat sets both to "not set".
KepsRecord ApplyKepsFields(const KepsRecord& shown, const KepsEditFields& fields);

}  // namespace tarvon
