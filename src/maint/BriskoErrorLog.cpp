#include "maint/BriskoErrorLog.h"

#include "maint/TextLines.h"

namespace tarvon {

std::vector<std::string> BriskoErrorLines(std::string_view text) {
    constexpr size_t kLineLimit = 80;
    std::vector<std::string> lines;
    ForEachLine(text, kLineLimit, LongLines::Wrap, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

}  // namespace tarvon
