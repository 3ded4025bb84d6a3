#pragma once
// The main window's timers that the rotator and modem code arm: the rotator
// time-out (103), the DSP time-out (105) and the DSP wake-up (106). Workers
// never touch the window themselves; the Win32 side posts the request to the
// main window, which owns the timers and calls back when one fires.
#include <cstdint>

namespace tarvon {

enum class StationTimer : uint32_t { RotatorTimeout = 103, DspTimeout = 105, DspWake = 106 };

class StationTimers {
public:
    virtual ~StationTimers() = default;
    // Arms (or re-arms) the timer to fire once after `ms`.
    virtual void Arm(StationTimer timer, uint32_t ms) = 0;
    virtual void Stop(StationTimer timer) = 0;
};

}  // namespace tarvon
