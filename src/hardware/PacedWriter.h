#pragma once
// Every rotator byte goes out through here: in one write, or one byte at a
// time with the pacing delay after each for boxes that cannot keep up.
#include <cstdint>
#include <string_view>

namespace tarvon {

class SerialPort;
class Waits;

// Write errors are ignored: a rotator that misses a position gets the next.
void WritePaced(SerialPort& port, Waits& waits, uint32_t pacingMs, std::string_view bytes);

}  // namespace tarvon
