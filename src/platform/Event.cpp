#include "platform/Event.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tarvon {
namespace {

// One lock and one condition for all events: the station has a handful of
// them, and a shared condition is what lets a thread wait on several at once.
std::mutex& EventMutex() {
    static std::mutex m;
    return m;
}
std::condition_variable& EventChanged() {
    static std::condition_variable c;
    return c;
}

}  // namespace

Event::Event(bool initiallySet) : set_(initiallySet) {}

void Event::Set() {
    {
        std::lock_guard<std::mutex> lock(EventMutex());
        set_ = true;
    }
    EventChanged().notify_all();
}

void Event::Reset() {
    std::lock_guard<std::mutex> lock(EventMutex());
    set_ = false;
}

bool Event::IsSet() const {
    std::lock_guard<std::mutex> lock(EventMutex());
    return set_;
}

int WaitAnyEvent(std::initializer_list<Event*> events, uint32_t timeoutMs) {
    auto firstSet = [&]() -> int {
        int i = 0;
        for (Event* e : events) {
            if (e->set_) return i;
            ++i;
        }
        return kWaitTimeout;
    };
    std::unique_lock<std::mutex> lock(EventMutex());
    int found = firstSet();
    if (found != kWaitTimeout || timeoutMs == 0) return found;
    if (timeoutMs == kWaitForever) {
        EventChanged().wait(lock, [&] { return (found = firstSet()) != kWaitTimeout; });
        return found;
    }
    EventChanged().wait_for(lock, std::chrono::milliseconds(timeoutMs),
                            [&] { return (found = firstSet()) != kWaitTimeout; });
    return found;
}

}  // namespace tarvon
