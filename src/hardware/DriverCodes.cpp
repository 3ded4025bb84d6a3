#include "hardware/DriverCodes.h"

namespace tarvon {

uint32_t ModeIndexOrDefault(uint32_t index) { return index < kModeCount ? index : kDefaultModeIndex; }

const char* ModeName(uint32_t index) { return kModeNames[ModeIndexOrDefault(index)]; }

uint32_t RadioModeCode(uint32_t modeIndex) {
    constexpr uint32_t kCodes[kModeCount] = {kModeFm,  kModeFm,  kModeFm | kModeNarrow, kModeUsb,
                                             kModeLsb, kModeCw, kModeCw | kModeNarrow};
    return kCodes[ModeIndexOrDefault(modeIndex)];
}

uint32_t RadioBandBit(double hz) {
    if (!(hz > 0.0)) return 0;
    if (hz < 160e6) return 0x1;
    if (hz < 460e6) return 0x2;
    if (hz < 1300e6) return 0x4;
    if (hz < 2450e6) return 0x8;
    return 0;
}

uint32_t RadioBandMask(double downlinkHz, double uplinkHz) {
    return RadioBandBit(downlinkHz) | RadioBandBit(uplinkHz) << 8;
}

}  // namespace tarvon
