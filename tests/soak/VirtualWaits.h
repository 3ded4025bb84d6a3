#pragma once
// Waits over the soak's virtual clock: a wait ends when one of its events is
// set or when the clock, moved by the soak, reaches its deadline. The soak
// asks until when threads wait, to move the clock in step with them.
#include <condition_variable>
#include <cstdint>
#include <set>
#include <mutex>

#include "platform/Waits.h"
#include "platform/memory/FakeClock.h"

namespace tarvon::testing {

class VirtualWaits final : public Waits {
public:
    explicit VirtualWaits(FakeClock& clock) : clock_(clock) {}

    // Moves the clock and wakes the waits at once to look at it.
    void MoveClock(int64_t millis);

    void Sleep(uint32_t ms) override;
    int WaitAny(std::initializer_list<Event*> events, uint32_t timeoutMs) override;

    // The earliest deadline later than `now` (clock milliseconds), INT64_MAX
    // when there is none.
    int64_t EarliestDeadlineAfter(int64_t now) const;
    // Whether a wait whose deadline the clock has reached is still to end.
    bool AnyDueBy(int64_t now) const;
    // Whether a thread waits for a later moment (or for ever).
    bool AnyWaitingPast(int64_t now) const;

private:
    FakeClock& clock_;
    mutable std::mutex mutex_;
    std::condition_variable moved_;
    uint64_t moves_ = 0;
    std::multiset<int64_t> deadlines_;
};

}  // namespace tarvon::testing
