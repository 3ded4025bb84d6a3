#pragma once
// A manual-reset event of our own: set stays set until reset, and any number
// of events can be waited on together with a timeout.
#include <cstdint>
#include <initializer_list>

namespace tarvon {

constexpr uint32_t kWaitForever = 0xFFFFFFFFu;
constexpr int kWaitTimeout = -1;

class Event {
public:
    explicit Event(bool initiallySet);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;

private:
    friend int WaitAnyEvent(std::initializer_list<Event*> events, uint32_t timeoutMs);
    bool set_;
};

// Index of the first set event in `events`, or kWaitTimeout.
int WaitAnyEvent(std::initializer_list<Event*> events, uint32_t timeoutMs);

}  // namespace tarvon
