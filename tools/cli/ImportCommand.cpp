#include <ostream>

#include "CliArgs.h"
#include "CliDispatch.h"
#include "orbit/ElementImport.h"
#include "orbit/ImportTexts.h"

namespace tarvon::cli {
namespace {

constexpr const char* kHelp =
    "usage: tarvon-cli import --keps FILE [--verbose] ELEMENT_FILE\n"
    "Imports a NASA two-line element file (or, with --verbose, a Sarnet verbose one)\n"
    "into the element database FILE (a Kova.KEP, created when missing) and prints\n"
    "one report line per satellite read.\n";

}  // namespace

int RunImport(const CommandArgs& argList, std::ostream& out) {
    const CliArgs args(argList, {"--keps"}, {"--verbose"});
    if (args.Help()) {
        out << kHelp;
        return 0;
    }
    const std::string keps = args.Required("--keps");
    if (args.Positionals().size() != 1) throw CliError("give exactly one element file");
    const std::string elementFile = args.Positionals()[0];
    KepsDatabase db;
    LoadKepsDatabase(db, keps);
    ImportReport report;
    const ImportOutcome outcome = ImportElementFile(
        elementFile, args.Flag("--verbose") ? ElementFormat::Verbose : ElementFormat::TwoLine, db, keps, report);
    if (outcome == ImportOutcome::ElementFileUnreadable) {
        throw CliError(std::string(texts::kKepsFileUnopened) + ": '" + elementFile + "'");
    }
    for (const auto& line : report) out << line << '\n';
    if (outcome == ImportOutcome::KepsFileUnwritable) throw CliError("cannot write element database '" + keps + "'");
    return 0;
}

}  // namespace tarvon::cli
