#pragma once
// The station's texts are UTF-8; the registry and the system count texts in
// UTF-16 units. These helpers count and cut texts by character, never inside
// one.
#include <cstddef>
#include <string_view>

namespace tarvon {

// The byte length of the UTF-8 sequence that starts with `lead`; a byte that
// starts none counts alone.
size_t Utf8SequenceLength(unsigned char lead);
// How many UTF-16 units (the registry's characters) the character starting
// with `lead` takes: two beyond the 16-bit plane (a surrogate pair).
size_t Utf16UnitsOfSequence(unsigned char lead);
// How many UTF-16 units the text takes.
size_t Utf16Units(std::string_view utf8);

}  // namespace tarvon
