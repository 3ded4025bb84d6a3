#pragma once
// The rotor and radio driver behind the "Level1" rotator type: the calls of
// the driver library, as the tracking controller makes them. Results of the
// open calls: 0 = opened.
#include <cstdint>

namespace tarvon {

class RotorRadioDriver {
public:
    virtual ~RotorRadioDriver() = default;
    virtual uint32_t RotorOpen() = 0;
    virtual void RotorClose() = 0;
    // Whole degrees.
    virtual void RotorSetPosition(int32_t azimuth, int32_t elevation) = 0;
    // Leaves both values as they are when the rotator cannot be read.
    virtual void RotorGetPosition(int16_t& azimuth, int16_t& elevation) = 0;
    virtual uint32_t RadioOpen(uint32_t bandMask) = 0;
    virtual void RadioClose() = 0;
    virtual void RadioSetFrequency(uint32_t downlinkHz, uint32_t uplinkHz) = 0;
    virtual void RadioSetMode(uint32_t downlinkCode, uint32_t uplinkCode) = 0;
};

}  // namespace tarvon
