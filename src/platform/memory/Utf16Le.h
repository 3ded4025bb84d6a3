#pragma once
// UTF-16 little-endian bytes, as Windows stores text, to and from the UTF-8
// the portable code works in. Unpaired surrogates become U+FFFD.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvon {

// `size` is in bytes; an odd last byte is ignored.
std::string Utf16LeToUtf8(const uint8_t* data, size_t size);
// Invalid UTF-8 bytes are taken as Latin-1, so no byte is lost silently.
std::vector<uint8_t> Utf8ToUtf16Le(std::string_view text);

}  // namespace tarvon
