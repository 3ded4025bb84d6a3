#include <cstdio>
#include <ostream>

#include "CliArgs.h"
#include "CliDispatch.h"
#include "StationArgs.h"

namespace tarvon::cli {
namespace {

constexpr const char* kHelp =
    "usage: tarvon-cli keps --keps FILE\n"
    "Lists the used slots of the element database: slot (from 1), name, catalogue\n"
    "number, epoch (two-digit year and day of year), mean motion (rev/day), beacon\n"
    "(MHz), Blon/Blat (degrees, - when not set) and the mode schedule. A slot whose\n"
    "elements cannot be an orbit is marked damaged and never used. Names are printed\n"
    "with bytes outside printable ASCII as \\xNN.\n";

}  // namespace

int RunKeps(const CommandArgs& argList, std::ostream& out, std::ostream& err) {
    const CliArgs args(argList, {"--keps"}, {});
    if (args.Help()) {
        out << kHelp;
        return 0;
    }
    if (!args.Positionals().empty()) throw CliError("unexpected argument '" + args.Positionals()[0] + "'");
    const KepsDatabase db = LoadExistingKeps(args, err);
    out << "slot name         catalog epoch            mean_motion  beacon_mhz  blon  blat  modes\n";
    char line[1024];  // room for every name and schedule byte escaped
    for (int slot = 0; slot < kKepsSlots; ++slot) {
        const KepsRecord& r = db.slots[slot];
        if (IsFreeSlot(r)) continue;
        if (IsDamagedSlot(r)) {
            std::snprintf(line, sizeof line, "%4d %-12s %7u damaged: these elements cannot be an orbit\n", slot + 1,
                          Printable(r.name).c_str(), static_cast<unsigned>(r.catalogNumber));
            out << line;
            continue;
        }
        char attitude[32] = "   -     -";
        if (r.blon != kAttitudeNotSet && r.blat != kAttitudeNotSet) {
            std::snprintf(attitude, sizeof attitude, "%4d  %4d", r.blon, r.blat);
        }
        std::snprintf(line, sizeof line, "%4d %-12s %7u %02d %12.8f %12.8f %11.6f %s  %s\n", slot + 1,
                      Printable(r.name).c_str(), static_cast<unsigned>(r.catalogNumber), r.epochYear, r.epochDay,
                      r.meanMotion, r.beaconMhz, attitude, Printable(r.modeSchedule).c_str());
        out << line;
    }
    return 0;
}

}  // namespace tarvon::cli
