#pragma once
// Waits over the soak's virtual clock: a wait ends when one of its events is
// set or when the clock, moved by the soak, reaches its deadline. The soak
// asks who is waiting, and until when, to move the clock in step with them.
#include <cstdint>
#include <map>
#include <mutex>

#include "platform/Waits.h"
#include "platform/memory/FakeClock.h"

namespace tarvon::testing {

class VirtualWaits final : public Waits {
public:
    explicit VirtualWaits(FakeClock& clock) : clock_(clock) {}

    void Sleep(uint32_t ms) override;
    int WaitAny(std::initializer_list<Event*> events, uint32_t timeoutMs) override;

    // How many threads wait now, and the earliest deadline among them (in
    // clock milliseconds; INT64_MAX when they all wait without one).
    size_t Waiting() const;
    int64_t EarliestDeadline() const;

private:
    std::multimap<int64_t, int>::iterator Enter(int64_t deadline);
    void Leave(std::multimap<int64_t, int>::iterator entry);

    FakeClock& clock_;
    mutable std::mutex mutex_;
    std::multimap<int64_t, int> deadlines_;
};

}  // namespace tarvon::testing
