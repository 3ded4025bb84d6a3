#include <cstdio>
#include <ostream>

#include "CliArgs.h"
#include "CliDispatch.h"
#include "StationArgs.h"
#include "core/TimeScales.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Propagation.h"
#include "orbit/Sun.h"

namespace tarvon::cli {
namespace {

constexpr const char* kHelp =
    "usage: tarvon-cli look --keps FILE --sat NAME --lat DEG --lon DEG --alt M --time TIME\n"
    "One satellite seen from the station at one time: azimuth, elevation, range, range\n"
    "rate, Doppler shift of the beacon, MA (phase in 256ths), sub-satellite point,\n"
    "height, eclipse and squint. --lon is WEST positive; TIME is Unix seconds or an\n"
    "ISO UTC time.\n";

void Line(std::ostream& out, const char* key, const char* format, double value, const char* unit = "") {
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    out << key << std::string(12 - std::string(key).size(), ' ') << text << unit << '\n';
}

}  // namespace

int RunLook(const CommandArgs& argList, std::ostream& out, std::ostream& err) {
    using namespace orbit;
    const CliArgs args(argList, {"--keps", "--sat", "--lat", "--lon", "--alt", "--time"}, {});
    if (args.Help()) {
        out << kHelp;
        return 0;
    }
    if (!args.Positionals().empty()) throw CliError("unexpected argument '" + args.Positionals()[0] + "'");
    const KepsDatabase db = LoadExistingKeps(args, err);
    const KepsRecord& keps = db.slots[SatelliteSlot(db, args.Required("--sat"))];
    ObserverGeo station = StationFromArgs(args);
    const int32_t time = ParseTime(args.Required("--time"), "--time");

    SatState s;
    InitSatState(keps, s, DayNumberFromUnixTime(time));
    UpdateLookAngles(s, station);
    const bool eclipsed = IsEclipsed(s, s.now);

    out << "satellite   " << Printable(s.name) << '\n';
    out << "time        " << FormatIsoTime(time) << " (" << time << ")\n";
    Line(out, "azimuth", "%.2f", s.azimuth * kRadToDeg, " deg");
    Line(out, "elevation", "%.2f", s.elevation * kRadToDeg, " deg");
    Line(out, "range", "%.1f", s.range, " km");
    Line(out, "range_rate", "%.4f", station.rangeRate, " km/s");
    if (s.beaconFrequency > 0.0) {
        Line(out, "doppler", "%.0f", DopplerShift(station.rangeRate, s.beaconFrequency), " Hz");
    } else {
        out << "doppler     no beacon\n";
    }
    Line(out, "ma", "%.0f", static_cast<double>(static_cast<int>(s.phase)), "");
    Line(out, "sub_lat", "%.3f", s.subLatitude * kRadToDeg, " deg (north positive)");
    Line(out, "sub_lon", "%.3f", s.subLongitude * kRadToDeg, " deg (west positive)");
    Line(out, "height", "%.1f", s.height, " km");
    out << "eclipsed    " << (eclipsed ? "yes" : "no") << '\n';
    if (keps.blon == kAttitudeNotSet || keps.blat == kAttitudeNotSet) {
        out << "squint      not set\n";
    } else {
        Line(out, "squint", "%.0f", static_cast<double>(station.squint), " deg");
    }
    return 0;
}

}  // namespace tarvon::cli
