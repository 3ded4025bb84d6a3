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
    int (*run)(const CommandArgs& args, std::ostream& out);
};

// Each subcommand, in its own file. They throw CliError for bad usage.
int RunImport(const CommandArgs& args, std::ostream& out);
int RunKeps(const CommandArgs& args, std::ostream& out);
int RunPasses(const CommandArgs& args, std::ostream& out);
int RunLook(const CommandArgs& args, std::ostream& out);
int RunSchedule(const CommandArgs& args, std::ostream& out);
int RunDump(const CommandArgs& args, std::ostream& out);

// argv without the program name. Usage errors become one line on `err` and
// a non-zero result.
int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarvon::cli
