#pragma once
// The system clock (UTC) and the standard time-zone bias.
#include "platform/Clock.h"

namespace tarvon {

class Win32Clock final : public Clock {
public:
    int64_t NowMillis() override;
    // GetTimeZoneInformation's Bias in minutes, times 60; the daylight bias is
    // deliberately left out.
    int32_t TimeZoneBiasSeconds() override;
};

}  // namespace tarvon
