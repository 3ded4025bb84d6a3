#pragma once
// The subcommands of tarvon-cli and the one place that picks among them.
#include <ostream>
#include <string>
#include <vector>

namespace tarvon::cli {

using CommandArgs = std::vector<std::string>;

struct Command {
    const char* name;
    const char* summary;
    // Results go to `out`, warnings about what they rest on to `err`.
    int (*run)(const CommandArgs& args, std::ostream& out, std::ostream& err);
};

// Each subcommand, in its own file. They throw CliError for bad usage.
int RunImport(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunKeps(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunPasses(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunLook(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunSchedule(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunDump(const CommandArgs& args, std::ostream& out, std::ostream& err);

// argv without the program name. Usage errors become one line on `err` and
// a non-zero result.
int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarvon::cli
