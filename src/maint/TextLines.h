#pragma once
// Splitting the text files of the companion programs into lines as their
// fixed-size line buffers saw them. A line ends at "\n"; a "\r" before it is
// part of the line end. A trailing piece without "\n" is a line too.
#include <cstddef>
#include <string_view>

namespace tarvon {

enum class LongLines {
    Cut,   // what follows the limit on the same line is dropped
    Wrap,  // what follows the limit continues as the next line
};

template <typename Visit>
void ForEachLine(std::string_view text, size_t limit, LongLines longLines, Visit visit) {
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (longLines == LongLines::Cut || line.size() <= limit) {
            visit(line.substr(0, limit));
        } else {
            for (size_t piece = 0; piece < line.size(); piece += limit) visit(line.substr(piece, limit));
        }
        at = next;
    }
}

}  // namespace tarvon
