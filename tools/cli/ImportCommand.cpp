#include <ostream>

#include "CliArgs.h"
#include "CliDispatch.h"
#include "core/Utf8Path.h"
#include "orbit/ElementImport.h"
#include "orbit/ImportTexts.h"

namespace tarvon::cli {
namespace {

constexpr const char* kHelp =
    "usage: tarvon-cli import --keps FILE [--verbose] [--repair] ELEMENT_FILE\n"
    "Imports a NASA two-line element file (or, with --verbose, a Sarnet verbose one)\n"
    "into the element database FILE (a Kova.KEP, created when missing) and prints\n"
    "one report line per satellite read. Names are printed with bytes outside\n"
    "printable ASCII as \\xNN.\n"
    "A damaged database (of the wrong size, unreadable, or with slots whose elements\n"
    "cannot be an orbit) is left untouched and nothing is imported, unless --repair\n"
    "is given: then it is moved to FILE.damaged and the import goes into a new\n"
    "database that keeps its sound slots.\n";

}  // namespace

int RunImport(const CommandArgs& argList, std::ostream& out, std::ostream& err) {
    const CliArgs args(argList, {"--keps"}, {"--verbose", "--repair"});
    if (args.Help()) {
        out << kHelp;
        return 0;
    }
    const std::string keps = args.Required("--keps");
    if (args.Positionals().size() != 1) throw CliError("give exactly one element file");
    const std::string elementFile = args.Positionals()[0];
    KepsDatabase db;
    ImportReport report;
    const ImportResult result =
        ImportElementFile(PathFromUtf8(elementFile), args.Flag("--verbose") ? ElementFormat::Verbose : ElementFormat::TwoLine,
                          db, PathFromUtf8(keps), report,
                          args.Flag("--repair") ? DamagedDatabase::SetAside : DamagedDatabase::Refuse);
    const std::string damage = DescribeKepsDamage(result.database);
    switch (result.outcome) {
    case ImportOutcome::ElementFileUnreadable:
        throw CliError(std::string(texts::kKepsFileUnopened) + ": '" + elementFile + "'");
    case ImportOutcome::DatabaseDamaged:
        throw CliError("element database '" + keps + "' is damaged: " + damage +
                       "; nothing was imported and the file is unchanged (--repair moves it aside and starts anew "
                       "with its sound slots)");
    default:
        break;
    }
    if (!damage.empty() && result.outcome != ImportOutcome::KepsFileUnwritable) {
        err << "damaged element database (" << damage << ") moved to '" << Utf8FromPath(DamagedKepsPath(PathFromUtf8(keps)))
            << "'; its sound slots are kept\n";
    }
    for (const auto& line : report) out << Printable(line) << '\n';
    if (result.outcome == ImportOutcome::KepsFileUnwritable) {
        throw CliError("cannot write element database '" + keps + "'");
    }
    return 0;
}

}  // namespace tarvon::cli
