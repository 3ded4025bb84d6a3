#pragma once
// Times as the station shows them: strftime formats over UTC, or over local
// time derived from the standard time-zone bias.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvon {

// `t` formatted with a strftime format into a buffer of `bufferSize` bytes
// (counting the NUL); empty when the text does not fit.
std::string FormatUnixTime(int32_t t, const char* format, size_t bufferSize = 64);

// The time shown to the user: UTC when `displayUtc`, else local time, where
// UTC = local time + bias.
int32_t DisplayTime(int32_t t, bool displayUtc, int32_t biasSeconds);

}  // namespace tarvon
