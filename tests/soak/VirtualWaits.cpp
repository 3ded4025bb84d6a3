#include "VirtualWaits.h"

namespace tarvon::testing {

void VirtualWaits::MoveClock(int64_t millis) {
    clock_.SetNowMillis(millis);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++moves_;
    }
    moved_.notify_all();
}

void VirtualWaits::Sleep(uint32_t ms) { WaitAny({}, ms); }

int VirtualWaits::WaitAny(std::initializer_list<Event*> events, uint32_t timeoutMs) {
    const int64_t deadline = timeoutMs == kWaitForever ? INT64_MAX : clock_.NowMillis() + timeoutMs;
    std::unique_lock<std::mutex> lock(mutex_);
    auto entry = deadlines_.insert(deadline);
    int answer;
    for (;;) {
        const uint64_t seen = moves_;
        lock.unlock();
        answer = WaitAnyEvent(events, 0);
        const bool due = clock_.NowMillis() >= deadline;
        lock.lock();
        if (answer != kWaitTimeout || due) break;
        // A moved clock ends the pause at once; an event another thread sets
        // is seen within a millisecond.
        moved_.wait_for(lock, std::chrono::milliseconds(1), [&] { return moves_ != seen; });
    }
    deadlines_.erase(entry);
    return answer;
}

int64_t VirtualWaits::EarliestDeadlineAfter(int64_t now) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto later = deadlines_.upper_bound(now);
    return later == deadlines_.end() ? INT64_MAX : *later;
}

bool VirtualWaits::AnyDueBy(int64_t now) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return !deadlines_.empty() && *deadlines_.begin() <= now;
}

bool VirtualWaits::AnyWaitingPast(int64_t now) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return !deadlines_.empty() && *deadlines_.rbegin() > now;
}

}  // namespace tarvon::testing
