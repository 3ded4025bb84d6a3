#include "platform/Event.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tarvon {
namespace {

using Clock = std::chrono::steady_clock;

TEST(Event, StaysSetUntilReset) {
    Event event(false);
    event.Set();
    event.Set();
    EXPECT_TRUE(event.IsSet());
    event.Reset();
    EXPECT_FALSE(event.IsSet());
    EXPECT_EQ(WaitAnyEvent({&event}, 0), kWaitTimeout);
}

TEST(Event, WaitAnswersTheFirstSetEventInTheOrderGiven) {
    struct Case {
        bool a, b, c;
        int expected;
    };
    const Case cases[] = {
        {false, false, false, kWaitTimeout},
        {true, false, false, 0},
        {false, false, true, 2},
        {false, true, true, 1},
        {true, true, true, 0},
    };
    for (const Case& c : cases) {
        Event a(c.a), b(c.b), x(c.c);
        // The second wait finds the same event: a wait does not consume it.
        EXPECT_EQ(WaitAnyEvent({&a, &b, &x}, 0), c.expected);
        const auto start = Clock::now();
        EXPECT_EQ(WaitAnyEvent({&a, &b, &x}, 60), c.expected);
        if (c.expected == kWaitTimeout) {
            EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(60));  // the whole timeout
        }
    }
}

// Waiters with and without a timeout all wake, soon, for one set by another thread.
TEST(Event, ManyWaitersAllWakeForOneSet) {
    Event shutdown(false), other(false);
    std::atomic<int> woken{0};
    std::vector<std::thread> waiters;
    for (uint32_t timeout : {kWaitForever, 10000u, kWaitForever, 10000u}) {
        waiters.emplace_back([&, timeout] {
            if (WaitAnyEvent({&other, &shutdown}, timeout) == 1) ++woken;
        });
    }
    const auto start = Clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    shutdown.Set();
    for (std::thread& t : waiters) t.join();
    EXPECT_EQ(woken.load(), 4);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace tarvon
