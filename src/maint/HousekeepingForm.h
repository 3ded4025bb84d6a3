#pragma once
// The "File Housekeeping" dialog's reading of its controls: the nine rules
// and which satellites to clean now.
#include <optional>
#include <string>

#include "core/FieldChecks.h"
#include "maint/FileHousekeeping.h"

namespace tarvon {

struct HousekeepingForm {
    bool deleteAct = false;
    bool deleteDlx = false;
    bool deleteUl = false;
    std::string oldestFiles;
    bool deleteMsg = false;
    bool deleteMyMsg = false;
    std::string oldestMessages;
    bool deleteOldestPfh = false;  // "Delete Oldest" rather than "No Action"
    std::string keepPfhFiles;
    bool allSatellites = true;
    bool satelliteSelected = false;  // a name is chosen in the list
    std::string satellite;
};
enum HousekeepingField { kFieldOldestFiles, kFieldOldestMessages, kFieldKeepPfhFiles, kFieldHousekeepingSatellite };

constexpr const char* kNoHousekeepingSatellite =
    "You have selected \"Single Satellite\" but have not selected a satellite to use.";

HousekeepingForm HousekeepingFormFor(const HousekeepingRules& rules);

// The rules to save and the satellite to clean (nothing: all of them). A
// number field that is empty or not a number is refused rather than taken
// as 0, which would make every file old enough to go.
std::optional<FieldProblem> ReadHousekeepingForm(const HousekeepingForm& form, HousekeepingRules& rules,
                                                 std::optional<std::string>& satellite);

}  // namespace tarvon
