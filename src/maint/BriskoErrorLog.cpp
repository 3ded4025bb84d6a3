#include "maint/BriskoErrorLog.h"

#include "core/FileReplace.h"
#include "core/Utf8Path.h"
#include "maint/TextLines.h"

namespace tarvon {

namespace {

std::vector<std::string> BriskoErrorLines(std::string_view text) {
    constexpr size_t kLineLimit = 80;
    std::vector<std::string> lines;
    ForEachLine(text, kLineLimit, LongLines::Wrap, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

}  // namespace

bool ReadBriskoErrorLog(const std::string& kovaDirectory, std::vector<std::string>& lines) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(SuiteFilePath(kovaDirectory, kBriskoErrorLogName), bytes)) return false;
    lines = BriskoErrorLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return true;
}

}  // namespace tarvon
