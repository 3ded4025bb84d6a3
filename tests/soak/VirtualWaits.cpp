#include "VirtualWaits.h"

namespace tarvon::testing {

std::multimap<int64_t, int>::iterator VirtualWaits::Enter(int64_t deadline) {
    std::lock_guard<std::mutex> lock(mutex_);
    return deadlines_.emplace(deadline, 0);
}

void VirtualWaits::Leave(std::multimap<int64_t, int>::iterator entry) {
    std::lock_guard<std::mutex> lock(mutex_);
    deadlines_.erase(entry);
}

void VirtualWaits::Sleep(uint32_t ms) { WaitAny({}, ms); }

int VirtualWaits::WaitAny(std::initializer_list<Event*> events, uint32_t timeoutMs) {
    const int64_t deadline = timeoutMs == kWaitForever ? INT64_MAX : clock_.NowMillis() + timeoutMs;
    auto entry = Enter(deadline);
    int answer;
    // Events are looked at every real millisecond, the clock as often.
    while ((answer = WaitAnyEvent(events, 0)) == kWaitTimeout && clock_.NowMillis() < deadline) {
        WaitAnyEvent(events, 1);
    }
    Leave(entry);
    return answer;
}

size_t VirtualWaits::Waiting() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return deadlines_.size();
}

int64_t VirtualWaits::EarliestDeadline() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return deadlines_.empty() ? INT64_MAX : deadlines_.begin()->first;
}

}  // namespace tarvon::testing
