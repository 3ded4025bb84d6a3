#pragma once
// The command line of a satellite's program. The text comes from the
// registry, where anyone may have written anything, so it is expanded by
// hand rather than handed to a printf-style formatter.
#include <string>
#include <string_view>

namespace tarvon {

// Lower-cases `program` and puts `satelliteName` in place of every "%s"
// (or "%S"); "%%" becomes a single "%"; any other "%" stays as written.
std::string ExpandProgramCommandLine(std::string_view program, std::string_view satelliteName);

}  // namespace tarvon
