#pragma once
// Argument parsing shared by every subcommand: "--name VALUE" options,
// "--name" flags, positional arguments, the numbers and times they carry, and
// the way times and stored texts are printed.
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvon::cli {

// A usage error: one line for the user, and a non-zero exit.
struct CliError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class CliArgs {
public:
    // Throws CliError for an unknown option or an option without its value.
    CliArgs(const std::vector<std::string>& args, std::initializer_list<const char*> valueOptions,
            std::initializer_list<const char*> flags);

    bool Help() const { return help_; }
    bool Flag(const std::string& name) const;
    std::optional<std::string> Value(const std::string& name) const;
    // Throws CliError when the option is missing.
    std::string Required(const std::string& name) const;
    const std::vector<std::string>& Positionals() const { return positionals_; }

private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> flags_;
    std::vector<std::string> positionals_;
    bool help_ = false;
};

// The whole text must be the number; `what` names it in the error.
double ParseReal(const std::string& text, const std::string& what);
int64_t ParseInteger(const std::string& text, const std::string& what);
// Unix seconds, or an ISO UTC time "YYYY-MM-DD[THH:MM[:SS]][Z]" (a blank may
// stand for the T), from 1970 to 2038.
int32_t ParseTime(const std::string& text, const std::string& what);
std::string FormatIsoTime(int32_t unixTime);
// Bytes outside printable ASCII (and the backslash) as \xNN, so that a damaged
// name shows as it is stored and cannot steer the terminal.
std::string Printable(const std::string& text);

}  // namespace tarvon::cli
