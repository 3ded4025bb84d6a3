#include "StationArgs.h"

#include <filesystem>
#include <system_error>

#include "core/Settings.h"
#include "core/Utf8Path.h"
#include "orbit/ObserverGeometry.h"

namespace tarvon::cli {

KepsDatabase LoadExistingKeps(const CliArgs& args, std::ostream& err) {
    const std::string file = args.Required("--keps");
    std::error_code ec;
    KepsDatabase db;
    const std::filesystem::path path = PathFromUtf8(file);
    const KepsFileCheck check = std::filesystem::is_regular_file(path, ec) ? LoadKepsDatabase(db, path) : KepsFileCheck{};
    if (!check.present || check.unreadable) throw CliError("cannot read element database '" + file + "'");
    if (check.Damaged()) {
        err << "warning: element database '" << file << "' is damaged: " << DescribeKepsDamage(check)
            << "; only its sound slots are used\n";
    }
    return db;
}

ObserverGeo StationFromArgs(const CliArgs& args) {
    StationConfig station;
    station.callsign = "STATION";
    station.latitude = ParseReal(args.Required("--lat"), "--lat");
    station.longitude = ParseReal(args.Required("--lon"), "--lon");
    station.altitude = ParseReal(args.Required("--alt"), "--alt");
    if (station.latitude < -90.0 || station.latitude > 90.0) throw CliError("--lat must lie between -90 and 90");
    if (station.longitude < -360.0 || station.longitude > 360.0) throw CliError("--lon must lie between -360 and 360");
    if (station.altitude < -1000.0 || station.altitude > 100000.0) throw CliError("--alt must be metres above sea level");
    return ObserverFromStation(station);
}

int SatelliteSlot(const KepsDatabase& db, const std::string& name) {
    const int slot = FindKepsByName(db, name.c_str());
    if (slot < 0) throw CliError("no satellite '" + Printable(name) + "' with sound elements in the element database");
    return slot;
}

}  // namespace tarvon::cli
