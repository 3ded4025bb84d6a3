#pragma once
// What the orbit subcommands have in common: the database file, the station
// and the satellite named on the command line.
#include <ostream>
#include <string>

#include "CliArgs.h"
#include "orbit/KepsDatabase.h"
#include "orbit/SatState.h"

namespace tarvon::cli {

// The database of --keps; a missing or unreadable file is an error. A damaged
// one is told on `err`; its damaged slots are never found.
KepsDatabase LoadExistingKeps(const CliArgs& args, std::ostream& err);
// --lat (north positive), --lon (west positive) in degrees, --alt in metres.
ObserverGeo StationFromArgs(const CliArgs& args);
// The slot of the named satellite (letter case ignored); an error when none.
int SatelliteSlot(const KepsDatabase& db, const std::string& name);

}  // namespace tarvon::cli
