// The file header of an upload file: any bytes, however hostile their
// lengths, give at most the two fields in their widths and never read past
// the end.
#include <cstddef>
#include <cstdint>
#include <span>

#include "maint/UploadFileHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvon;
    const std::span<const uint8_t> bytes(data, size);
    const UploadHeader header = ReadUploadHeader(bytes);
    if (header.destination.size() > 11 || header.title.size() > 29) __builtin_trap();
    const std::string text = UploadHeaderText(bytes);
    const bool marked = size >= 2 && data[0] == 0xAA && data[1] == 0x55;
    if (!marked && (!text.empty() || !header.destination.empty() || !header.title.empty())) __builtin_trap();
    if (marked && (text.size() < 13 || text.compare(0, header.destination.size(), header.destination) != 0)) {
        __builtin_trap();
    }
    return 0;
}
