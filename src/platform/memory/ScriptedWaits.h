#pragma once
// Waits that take no real time. Every Sleep and WaitAny is recorded with its
// duration and the events it waited on, so a test can check the sequence; the
// fake clock moves on by the time each wait would have taken.
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/Waits.h"

namespace tarvon {

class FakeClock;

struct WaitCall {
    enum class Kind { Sleep, WaitAny };
    Kind kind;
    uint32_t ms;                 // the sleep, or the wait's timeout
    std::vector<Event*> events;  // empty for a sleep
    int result = kWaitTimeout;   // what WaitAny answered
};

// A scripted answer for one WaitAny: the index of the event that "became
// set" (the event is then set, as it would be in truth), or kWaitTimeout;
// `elapsedMs` is how long the wait took before an event answered.
struct WaitAnswer {
    int index = kWaitTimeout;
    uint32_t elapsedMs = 0;
};

class ScriptedWaits final : public Waits {
public:
    explicit ScriptedWaits(FakeClock* clock = nullptr) : clock_(clock) {}

    void Sleep(uint32_t ms) override;
    // Takes the next scripted answer; without one, answers from the events'
    // state: the first set event at once, else a timeout after `timeoutMs`.
    // Waiting forever with nothing set and nothing scripted would hang the
    // test, so it throws std::logic_error instead.
    int WaitAny(std::initializer_list<Event*> events, uint32_t timeoutMs) override;

    void Script(WaitAnswer answer);
    // Called at the start of every wait, before the answer is chosen; lets a
    // test play the world's part (a program ends, shutdown is requested).
    void OnWait(std::function<void(const WaitCall&)> hook);

    std::vector<WaitCall> Calls() const;
    // The durations in order; a compact form for sequence checks.
    std::vector<uint32_t> Durations() const;

private:
    FakeClock* clock_;
    mutable std::mutex mutex_;
    std::deque<WaitAnswer> script_;
    std::function<void(const WaitCall&)> hook_;
    std::vector<WaitCall> calls_;
};

}  // namespace tarvon
