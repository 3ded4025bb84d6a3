#pragma once
// A clock that only moves when told to: set by the test, advanced by the
// scripted waits.
#include <atomic>
#include <cstdint>

#include "platform/Clock.h"

namespace tarvon {

class FakeClock final : public Clock {
public:
    explicit FakeClock(int64_t nowMillis = 0, int32_t biasSeconds = 0)
        : now_(nowMillis), bias_(biasSeconds) {}

    int64_t NowMillis() override { return now_.load(); }
    int32_t TimeZoneBiasSeconds() override { return bias_.load(); }

    void SetNowMillis(int64_t millis) { now_.store(millis); }
    void SetNowUnix(int32_t seconds) { now_.store(int64_t{seconds} * 1000); }
    void Advance(int64_t millis) { now_.fetch_add(millis); }
    void SetBiasSeconds(int32_t seconds) { bias_.store(seconds); }

private:
    std::atomic<int64_t> now_;
    std::atomic<int32_t> bias_;
};

}  // namespace tarvon
