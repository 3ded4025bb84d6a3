#pragma once
// UTF-16 little-endian bytes, as Windows stores text, to the UTF-8 the
// portable code works in. Unpaired surrogates become U+FFFD.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvon {

// `size` is in bytes; an odd last byte is ignored.
std::string Utf16LeToUtf8(const uint8_t* data, size_t size);

}  // namespace tarvon
