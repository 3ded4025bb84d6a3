#pragma once
// Brisko's error log ("Brisko Error Log.TXT" in the suite directory): lines of
// at most 80 characters; a longer line goes on in the next one, so nothing of
// a report is hidden.
#include <string>
#include <string_view>
#include <vector>

namespace tarvon {

constexpr const char* kBriskoErrorLogName = "Brisko Error Log.TXT";

// The log of the suite directory; false when there is none to read.
bool ReadBriskoErrorLog(const std::string& kovaDirectory, std::vector<std::string>& lines);

}  // namespace tarvon
