#pragma once
// Creating, saving and deleting a satellite from the "Satellites" dialog:
// the record goes to its key and the scheduler follows at once.
#include <string>

#include "core/SatelliteConfig.h"

namespace tarvon {

struct ScheduleState;

struct SatelliteStore {
    Registry& registry;
    Notices& notices;          // a PacSat directory that cannot be made
    ScheduleState* schedule;   // nullptr until the schedule is built
};

enum class SatelliteSave { Saved, DuplicateName, Failed };

// A new satellite: refused when a satellite of its name exists; else its key
// is made, the record written and the scheduler told.
SatelliteSave CreateSatellite(const SatelliteStore& store, SatelliteConfig& config);

// An edited satellite, whose key is `keyPath` and whose name was
// `previousName`. Renaming it to the name of another satellite is refused:
// two keys of one name leave one of them out of reach. A renamed satellite's
// passes leave the schedule under its old name.
SatelliteSave SaveEditedSatellite(const SatelliteStore& store, const std::string& keyPath,
                                  const std::string& previousName, SatelliteConfig& config);

// Deletes the satellite's key; its passes leave the schedule at once. False
// when there is no such satellite or its key stays.
bool RemoveSatellite(const SatelliteStore& store, const std::string& name);

constexpr const char* kDuplicateSatelliteName =
    "There is already a satellite with this name.  Please change the name before continuing.";
constexpr const char* kSatelliteMemory = "Insufficient memory to edit satellite data";
constexpr const char* kSatelliteNotSaved = "The satellite could not be saved: its registry key cannot be written.";

}  // namespace tarvon
