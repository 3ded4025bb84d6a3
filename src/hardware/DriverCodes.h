#pragma once
// The numbers the program and the driver library agree on: which bands the
// radio has to cover and which modes it works in.
#include <cstdint>

namespace tarvon {

// The satellite's modes, by the index the satellite record stores.
constexpr int kModeCount = 7;
constexpr const char* kModeNames[kModeCount] = {"FM", "FM-W", "FM-N", "USB", "LSB", "CW", "CW-N"};
constexpr uint32_t kDefaultModeIndex = 2;

// A stored index outside the list reads as the default, never past the table.
uint32_t ModeIndexOrDefault(uint32_t index);
const char* ModeName(uint32_t index);

// Mode codes handed to the driver: the low bits name the modulation, the
// narrow flag asks for the narrow filter.
constexpr uint32_t kModeFm = 0x1, kModeUsb = 0x2, kModeLsb = 0x4, kModeCw = 0x8;
constexpr uint32_t kModeNarrow = 0x1000;
uint32_t RadioModeCode(uint32_t modeIndex);

// One band bit for the frequency the radio tunes: 1 below 160 MHz, 2 below
// 460 MHz, 4 below 1300 MHz, 8 below 2450 MHz; none at or above 2.45 GHz,
// and none for 0 Hz (no such link).
uint32_t RadioBandBit(double hz);
// The downlink's bit in the low byte, the uplink's in the second.
uint32_t RadioBandMask(double downlinkHz, double uplinkHz);

}  // namespace tarvon
