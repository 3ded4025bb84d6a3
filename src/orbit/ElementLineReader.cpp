#include "orbit/ElementLineReader.h"

namespace tarvon {

bool ElementLineReader::Next(std::string& line) {
    line.clear();
    bool ended = false;  // a NUL ends the text, not the line
    while (pos_ < bytes_.size()) {
        const char c = static_cast<char>(bytes_[pos_++]);
        if (c == '\n') return true;
        if (c == '\r') continue;
        if (c == '\0') ended = true;
        if (!ended && line.size() < kElementLineChars) line.push_back(c);
    }
    return false;
}

}  // namespace tarvon
