// VANT's session log: any bytes give rows of the fixed widths and averages
// that are only there when something was counted.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "maint/VantLog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvon;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const VantLogReport report = ReadVantLog(text);
    constexpr size_t kSessionRow = 52, kUploadColumns = 26;
    for (const std::string& row : report.sessionRows) {
        if (row.size() != kSessionRow) __builtin_trap();
    }
    for (const std::string& row : report.uploadRows) {
        if (row.size() < kUploadColumns || row.size() > kUploadColumns + kVantLogLineLimit - 65) __builtin_trap();
    }
    const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (report.sessionRows.size() * 5 > lines || report.efficiencyCount * 4 > lines) __builtin_trap();
    if (AverageText(report.efficiencySum, report.efficiencyCount).empty() != (report.efficiencyCount == 0)) {
        __builtin_trap();
    }
    return 0;
}
