#include "maint/VantLog.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

// Sessions as VANT writes them; each line's fields sit in their fixed columns.
constexpr const char* kMorning =
    "Session started at 14:03:22 12-May-2026\n"
    "TOTAL bytes moved  :   184320\n"
    "Average BPS        :   412\n"
    "EFFICIENCY         :  87%\n"
    "Session closed at 14:13:40\n";
constexpr const char* kMorningRow = "12-May-2026  14:03:22  14:13:40   184320    412   87";

constexpr const char* kWithUploads =
    "Session started at 09:12:00 13-May-2026\n"
    "TOTAL bytes moved  :    51200\n"
    "Average BPS        :   390\n"
    "EFFICIENCY         :  71%\n"
    "Uploads Made\n"
    "    NEWS01.UL 12k   12288 bytes in         31 s, average speed:     396|OK\n"
    "    KEPS.PUL   3k    3072 bytes in          9 s, average speed:     341|retry 1, OK\n"
    "Session closed at 09:24:45\n";
constexpr const char* kWithUploadsRow = "13-May-2026  09:12:00  09:24:45    51200    390   71";

constexpr const char* kNoise = "14:20:00 Directory fill requested from 12-May-2026 00:00\n";

struct LogCase {
    const char* what;
    std::string log;
    std::vector<std::string> rows;
    std::string average;
    bool anyUploads;
    size_t uploads;
    std::string averageSpeed;
};

// The session with the line holding `keyword` replaced by `by`.
std::string Replace(const char* session, const char* keyword, const std::string& by) {
    std::string s = session;
    const size_t at = s.find(keyword);
    const size_t lineStart = s.rfind('\n', at) + 1;
    return s.substr(0, lineStart) + by + s.substr(s.find('\n', at) + 1);
}

TEST(VantLog, SessionsRowsAndAverages) {
    const LogCase cases[] = {
        {"TOTAL line missing: not listed, not counted", Replace(kMorning, "TOTAL", kNoise), {}, "", false, 0, ""},
        {"broken after EFFICIENCY: not listed but counted",
         Replace(kMorning, "Session closed", kNoise) + kWithUploads, {kWithUploadsRow}, "79", true, 2, "368"},
        {"an unclosed session does not swallow the next", Replace(kWithUploads, "Session closed", "") + kMorning,
         {kMorningRow}, "79", true, 2, "368"},
        {"short lines give blank fields",
         "Session started\nTOTAL\nBPS\nEFFICIENCY\nSession closed\n",
         {std::string(52, ' ')}, "", false, 0, ""},
        {"what follows 99 characters on a line is not read",
         Replace(kMorning, "EFFICIENCY", "EFFICIENCY         :  87%" + std::string(80, ' ') + "Session started\n"),
         {kMorningRow}, "87", false, 0, ""},
        {"no trailing newline", std::string(kMorning, std::string(kMorning).size() - 1), {kMorningRow}, "87",
         false, 0, ""},
    };
    for (const LogCase& c : cases) {
        SCOPED_TRACE(c.what);
        const VantLogReport report = ReadVantLog(c.log);
        EXPECT_EQ(report.sessionRows, c.rows);
        EXPECT_EQ(AverageText(report.efficiencySum, report.efficiencyCount), c.average);
        EXPECT_EQ(report.anyUploads, c.anyUploads);
        EXPECT_EQ(report.uploadRows.size(), c.uploads);
        EXPECT_EQ(AverageText(report.uploadSpeedSum, report.uploadRows.size()), c.averageSpeed);
    }
}

}  // namespace
}  // namespace tarvon
