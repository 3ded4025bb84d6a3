#pragma once
// The General, Scheduling and Frequencies pages of the satellite property
// sheet as texts and choices, and their reading back into the record. A
// reader checks every field first and stores nothing when one is refused: it
// returns the field to go back to and the message, as the other setup forms.
#include <array>
#include <optional>
#include <string>

#include "core/FieldChecks.h"
#include "core/SatelliteConfig.h"

namespace tarvon {

namespace satellite_limits {
constexpr size_t kName = 11;
constexpr size_t kCallsign = 9;
constexpr size_t kPath = 259;       // a char[260] with its terminator
constexpr size_t kNumber = 4;       // the four-digit fields
constexpr size_t kTwoDigits = 2;    // "Minimum elevation", "Num. Uplinks"
constexpr size_t kFrequency = 11;
}  // namespace satellite_limits

// The pages' fixed lists, in the order of their stored values.
constexpr const char* kSatelliteTypeNames[] = {"PacSat", "Analogue", "Mailbox"};
constexpr const char* kSatelliteStateNames[] = {"Track and Display", "Display", "Disable"};
constexpr const char* kRunAsNames[] = {"Minimised", "Maximised", "Normal"};

// ---- General
struct SatelliteGeneralForm {
    std::string name;
    int type = -1;  // position in "PacSat", "Analogue", "Mailbox"; -1 when none is chosen
    std::string tlmFile;
    int state = -1;  // position in "Track and Display", "Display", "Disable"; -1 keeps the stored state
    bool enableSatGate = false;
    std::string bdcstCallsign, bbsCallsign, nupCallsign;
};
enum SatelliteGeneralField { kGeneralName, kGeneralType, kGeneralTlmFile, kGeneralBdcst, kGeneralBbs, kGeneralNup };

SatelliteGeneralForm SatelliteGeneralFormFor(const SatelliteConfig& config);
// Callsigns are stored in upper case; "Enable SatGate" only for a PacSat.
std::optional<FieldProblem> ReadSatelliteGeneralForm(const SatelliteGeneralForm& form, SatelliteConfig& config);

constexpr const char* kSatelliteNameMissing =
    "You must enter a satellite name.  The name must be the same as that used in the keplerian elements.";
constexpr const char* kSatelliteTypeMissing = "You must select a satellite type.";

// ---- Scheduling
struct SatelliteSchedulingForm {
    std::string program, directory;
    int run = 2;  // position in "Minimised", "Maximised", "Normal"
    std::string passCheckTime;
    bool passChecking = false;
    std::string priority, minElevation, minPassTime, startTime;
};
enum SatelliteSchedulingField {
    kSchedulingProgram,
    kSchedulingDirectory,
    kSchedulingPassCheckTime,
    kSchedulingPriority,
    kSchedulingMinElevation,
    kSchedulingMinPassTime,
    kSchedulingStartTime,
};

// A stored "Run" of 3 or more shows (and is stored) as "Normal".
SatelliteSchedulingForm SatelliteSchedulingFormFor(const SatelliteConfig& config);
// Refuses Priority 0 while the satellite's passes are run automatically.
std::optional<FieldProblem> ReadSatelliteSchedulingForm(const SatelliteSchedulingForm& form, SatelliteConfig& config);

constexpr const char* kPriorityZero =
    "You can't leave the PRIORITY set to 0 if you have this satellite set to automatically run passes.";

// ---- Frequencies
struct SatelliteFrequenciesForm {
    std::array<std::string, 4> uplink, downlink;  // MHz, "%0.6f"
    int defaultUplink = 0, defaultDownlink = 0;    // 1..4; 0 keeps the stored choice
    int uplinkMode = -1, downlinkMode = -1;        // mode list position; -1 keeps the stored mode
    std::string uplinks;                           // "Num. Uplinks"
};
// Fields 0-3 are the uplinks, 4-7 the downlinks.
enum SatelliteFrequenciesField { kFrequenciesUplink1 = 0, kFrequenciesDownlink1 = 4, kFrequenciesUplinks = 8 };

SatelliteFrequenciesForm SatelliteFrequenciesFormFor(const SatelliteConfig& config);
// A frequency whose text is still what the page showed keeps its stored
// value, so that OK never rounds it to the six decimals shown. "Uplink IF" and
// "Downlink IF" have no fields and keep their stored values.
std::optional<FieldProblem> ReadSatelliteFrequenciesForm(const SatelliteFrequenciesForm& form,
                                                         SatelliteConfig& config);

}  // namespace tarvon
