#include "maint/UploadFileHeader.h"

#include <algorithm>

namespace tarvon {
namespace {

constexpr uint16_t kDestinationItem = 0x14;
constexpr uint16_t kTitleItem = 0x22;
constexpr size_t kDestinationChars = 11;
constexpr size_t kTitleChars = 29;

bool HasMarker(std::span<const uint8_t> bytes) { return bytes.size() >= 2 && bytes[0] == 0xAA && bytes[1] == 0x55; }

// The item's bytes as text: up to `limit` characters, ending at a NUL.
std::string ItemText(std::span<const uint8_t> data, size_t limit) {
    std::string text(reinterpret_cast<const char*>(data.data()), std::min(data.size(), limit));
    return text.substr(0, text.find('\0'));
}

}  // namespace

UploadHeader ReadUploadHeader(std::span<const uint8_t> bytes) {
    UploadHeader header;
    if (!HasMarker(bytes)) return header;
    size_t at = 2;
    while (bytes.size() - at >= 3) {
        const uint16_t id = static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
        const size_t length = bytes[at + 2];
        at += 3;
        if (id == 0 && length == 0) break;
        if (bytes.size() - at < length) break;
        const std::span<const uint8_t> data = bytes.subspan(at, length);
        if (id == kDestinationItem) header.destination = ItemText(data, kDestinationChars);
        if (id == kTitleItem) header.title = ItemText(data, kTitleChars);
        at += length;
    }
    return header;
}

std::string UploadHeaderText(std::span<const uint8_t> bytes) {
    if (!HasMarker(bytes)) return {};
    const UploadHeader header = ReadUploadHeader(bytes);
    std::string text = header.destination;
    if (text.size() < kDestinationChars) text.append(kDestinationChars - text.size(), ' ');
    return text + "  " + header.title;
}

}  // namespace tarvon
