#pragma once
// Lines of an element file as the readers see them: a line feed ends a line,
// carriage returns are dropped, a line keeps at most 99 characters (the rest
// up to the line feed is skipped), text ends at a NUL byte, and a last line
// without a line feed is not returned.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarvon {

constexpr size_t kElementLineChars = 99;

class ElementLineReader {
public:
    explicit ElementLineReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool Next(std::string& line);

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

}  // namespace tarvon
