#pragma once
// Reading VANT's session log ("VANT.LOG"): one row per complete session for
// the log viewer, the efficiency figures, and the uploads made.
//
// A session is "Session started", "TOTAL", "BPS", "EFFICIENCY" on consecutive
// lines, then "Uploads Made" with one line per upload, or straight away
// "Session closed". Fields sit in fixed columns of those lines.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvon {

constexpr const char* kVantLogFileName = "VANT.LOG";
// Longer lines are cut here; what follows on the same line is not read.
constexpr size_t kVantLogLineLimit = 99;

struct VantLogReport {
    // 52 columns: date, start, finish, total, bytes per second, efficiency.
    std::vector<std::string> sessionRows;
    // Sessions that reached their EFFICIENCY line with a non-zero figure,
    // whether or not they were complete.
    int64_t efficiencySum = 0;
    uint32_t efficiencyCount = 0;
    bool anyUploads = false;  // some session had an "Uploads Made" line
    // Name, bytes, seconds, then the speed and comments of the log line.
    std::vector<std::string> uploadRows;
    int64_t uploadSpeedSum = 0;
};

VantLogReport ReadVantLog(std::string_view text);

// The log in a satellite's directory; false when there is none to read.
bool ReadVantLogFile(const std::string& satelliteDirectory, VantLogReport& report);

// "sum / count" as a whole number, or empty when nothing was counted.
std::string AverageText(int64_t sum, uint64_t count);

}  // namespace tarvon
