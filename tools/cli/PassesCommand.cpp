#include <ostream>

#include "CliArgs.h"
#include "CliDispatch.h"
#include "StationArgs.h"
#include "core/TimeScales.h"
#include "orbit/PassListing.h"
#include "orbit/Propagation.h"

namespace tarvon::cli {
namespace {

constexpr const char* kHelp =
    "usage: tarvon-cli passes --keps FILE --lat DEG --lon DEG --alt M --start TIME --days N\n"
    "                         [--flip 0|1] [--stop south|north] [--sat NAME]\n"
    "Lists every pass of every satellite of the database (or of --sat) whose AOS lies\n"
    "within N days of the start, as CSV: satellite,aos,los,max_el,overhead.\n"
    "  --lat DEG     station latitude, north positive\n"
    "  --lon DEG     station longitude, WEST positive (as the station record keeps it)\n"
    "  --alt M       station altitude in metres\n"
    "  --start TIME  Unix seconds or ISO UTC time (2026-05-11T12:00:00Z)\n"
    "  --days N      how far ahead to search, in days (up to 366)\n"
    "  --flip 0|1    rotator flip mode, for the overhead column (default 0)\n"
    "  --stop S      rotator stop position, south (default) or north\n"
    "Times are Unix seconds; max_el is whole degrees, truncated. Names are printed\n"
    "with bytes outside printable ASCII as \\xNN; damaged slots are skipped.\n";

// A name with a comma or a quote is quoted, as CSV wants.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

PassSearchSettings SettingsFromArgs(const CliArgs& args, double days) {
    PassSearchSettings settings;
    const std::string flip = args.Value("--flip").value_or("0");
    if (flip != "0" && flip != "1") throw CliError("--flip must be 0 or 1");
    settings.flip = flip == "1";
    const std::string stop = args.Value("--stop").value_or("south");
    if (stop != "south" && stop != "north") throw CliError("--stop must be south or north");
    settings.stopSouth = stop == "south";
    // A satellite with no pass within the horizon needs no longer search.
    settings.giveUpDays = days + 1.0;
    return settings;
}

}  // namespace

int RunPasses(const CommandArgs& argList, std::ostream& out, std::ostream& err) {
    const CliArgs args(argList, {"--keps", "--lat", "--lon", "--alt", "--start", "--days", "--flip", "--stop", "--sat"}, {});
    if (args.Help()) {
        out << kHelp;
        return 0;
    }
    if (!args.Positionals().empty()) throw CliError("unexpected argument '" + args.Positionals()[0] + "'");
    const KepsDatabase db = LoadExistingKeps(args, err);
    ObserverGeo station = StationFromArgs(args);
    const int32_t start = ParseTime(args.Required("--start"), "--start");
    const double days = ParseReal(args.Required("--days"), "--days");
    if (days < 0.0 || days > 366.0) throw CliError("--days must lie between 0 and 366");
    const int64_t horizon = start + static_cast<int64_t>(days * 86400.0);
    if (horizon > kUnixNever) throw CliError("the search would run past 2038");
    const PassSearchSettings settings = SettingsFromArgs(args, days);
    const auto only = args.Value("--sat");
    const int onlySlot = only ? SatelliteSlot(db, *only) : -1;

    out << "satellite,aos,los,max_el,overhead\n";
    for (int slot = 0; slot < kKepsSlots; ++slot) {
        if (!IsUsableSlot(db.slots[slot]) || (onlySlot >= 0 && slot != onlySlot)) continue;
        SatState s;
        InitSatState(db.slots[slot], s, DayNumberFromUnixTime(start));
        const std::string name = CsvField(Printable(s.name));
        ListPasses(s, station, start, static_cast<int32_t>(horizon), settings, [&](const FoundPass& p) {
            out << name << ',' << p.aos << ',' << p.los << ',' << p.maxElevationDeg << ',' << p.overhead << '\n';
        });
    }
    return 0;
}

}  // namespace tarvon::cli
