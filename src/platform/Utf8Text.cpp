#include "platform/Utf8Text.h"

namespace tarvon {

size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

size_t Utf16UnitsOfSequence(unsigned char lead) { return Utf8SequenceLength(lead) == 4 ? 2 : 1; }

size_t Utf16Units(std::string_view utf8) {
    size_t units = 0;
    for (size_t i = 0; i < utf8.size(); i += Utf8SequenceLength(static_cast<unsigned char>(utf8[i]))) {
        units += Utf16UnitsOfSequence(static_cast<unsigned char>(utf8[i]));
    }
    return units;
}

}  // namespace tarvon
