#pragma once
#include <cstdint>

namespace tarvon {

// The wall clock, always UTC.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since 1970-01-01 00:00:00 UTC.
    virtual int64_t NowMillis() = 0;
    // Seconds since 1970-01-01 00:00:00 UTC, truncated.
    int32_t NowUnix() { return static_cast<int32_t>(NowMillis() / 1000); }
    // Local time = UTC - bias; the standard bias only, in seconds.
    virtual int32_t TimeZoneBiasSeconds() = 0;
};

}  // namespace tarvon
