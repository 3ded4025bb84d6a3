#include "CliDispatch.h"

#include <exception>

#include "CliArgs.h"

namespace tarvon::cli {
namespace {

const Command kCommands[] = {
    {"import", "import a two-line or verbose element file into a Kova.KEP", RunImport},
    {"keps", "list the element database", RunKeps},
    {"passes", "list the passes over a station as CSV", RunPasses},
    {"look", "one satellite as seen from a station at one time", RunLook},
    {"schedule", "the schedule a station would have, and a dry run of its scheduler", RunSchedule},
    {"dump", "print a Kova Schedule.DAT record by record", RunDump},
};

void Usage(std::ostream& out) {
    out << "usage: tarvon-cli COMMAND [OPTIONS]   (tarvon-cli COMMAND --help for its options)\n\ncommands:\n";
    for (const Command& c : kCommands) out << "  " << c.name << std::string(10 - std::string(c.name).size(), ' ') << c.summary << "\n";
}

}  // namespace

int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        Usage(args.empty() ? err : out);
        return args.empty() ? 2 : 0;
    }
    for (const Command& c : kCommands) {
        if (args[0] != c.name) continue;
        try {
            return c.run(CommandArgs(args.begin() + 1, args.end()), out, err);
        } catch (const CliError& e) {
            err << "tarvon-cli " << c.name << ": " << e.what() << "\n";
            return 2;
        } catch (const std::exception& e) {
            err << "tarvon-cli " << c.name << ": " << e.what() << "\n";
            return 1;
        }
    }
    err << "tarvon-cli: unknown command '" << args[0] << "' (try tarvon-cli --help)\n";
    return 2;
}

}  // namespace tarvon::cli
