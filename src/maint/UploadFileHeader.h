#pragma once
// The file header at the front of an upload file: 0xAA 0x55, then items of a
// 2-byte little-endian id, a 1-byte length and that many bytes, up to the
// item with id 0 and length 0. Only the destination and the title are shown.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarvon {

// No header is ever longer than this: its body offset is a 16-bit field.
constexpr size_t kUploadHeaderReadLimit = 65536;

struct UploadHeader {
    std::string destination;  // item 0x14, at most 11 characters
    std::string title;        // item 0x22, at most 29 characters
};

// The items found before the terminator, the end of the bytes, or the first
// item that does not fit in them. Without the 0xAA 0x55 marker, nothing.
UploadHeader ReadUploadHeader(std::span<const uint8_t> bytes);

// "%-11s  %s" of destination and title; empty without the marker.
std::string UploadHeaderText(std::span<const uint8_t> bytes);

}  // namespace tarvon
