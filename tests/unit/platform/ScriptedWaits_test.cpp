#include "platform/memory/ScriptedWaits.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/memory/FakeClock.h"

namespace tarvon {
namespace {

TEST(ScriptedWaits, RecordsEveryWaitAndMovesTheClockOnByIt) {
    FakeClock clock(1'000'000);
    ScriptedWaits waits(&clock);
    Event shutdown(false), ready(false);
    waits.Sleep(90000);
    EXPECT_EQ(waits.WaitAny({&shutdown, &ready}, 12500), kWaitTimeout);
    ready.Set();
    EXPECT_EQ(waits.WaitAny({&shutdown, &ready}, 12500), 1);
    EXPECT_EQ(clock.NowMillis(), 1'000'000 + 90000 + 12500);

    std::vector<WaitCall> calls = waits.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, WaitCall::Kind::Sleep);
    EXPECT_TRUE(calls[0].events.empty());
    EXPECT_EQ(calls[1].kind, WaitCall::Kind::WaitAny);
    EXPECT_EQ(calls[1].events, (std::vector<Event*>{&shutdown, &ready}));
    EXPECT_EQ(calls[1].result, kWaitTimeout);
    EXPECT_EQ(calls[2].result, 1);
    EXPECT_EQ(waits.Durations(), (std::vector<uint32_t>{90000, 12500, 12500}));
}

TEST(ScriptedWaits, ScriptedAnswersComeFirstAndSetTheirEvent) {
    FakeClock clock(0);
    ScriptedWaits waits(&clock);
    Event shutdown(false), exited(false);
    waits.Script({1, 4000});
    waits.Script({kWaitTimeout});
    EXPECT_EQ(waits.WaitAny({&shutdown, &exited}, 10000), 1);
    EXPECT_TRUE(exited.IsSet());
    EXPECT_EQ(clock.NowMillis(), 4000);
    // A scripted timeout wins even over a set event.
    EXPECT_EQ(waits.WaitAny({&shutdown, &exited}, 10000), kWaitTimeout);
    EXPECT_EQ(clock.NowMillis(), 14000);
    EXPECT_EQ(waits.WaitAny({&shutdown, &exited}, 10000), 1);
    EXPECT_EQ(clock.NowMillis(), 14000);
}

TEST(ScriptedWaits, HookPlaysTheWorldBeforeTheAnswer) {
    ScriptedWaits waits;
    Event shutdown(false);
    int seen = 0;
    waits.OnWait([&](const WaitCall& call) {
        if (call.kind == WaitCall::Kind::WaitAny && ++seen == 2) shutdown.Set();
    });
    EXPECT_EQ(waits.WaitAny({&shutdown}, 2000), kWaitTimeout);
    EXPECT_EQ(waits.WaitAny({&shutdown}, 2000), 0);
}

TEST(ScriptedWaits, EndlessWaitWithNothingToAnswerFailsLoudly) {
    ScriptedWaits waits;
    Event passEnd(false);
    EXPECT_THROW(waits.WaitAny({&passEnd}, kWaitForever), std::logic_error);
    waits.Script({3});
    EXPECT_THROW(waits.WaitAny({&passEnd}, 100), std::logic_error);
    passEnd.Set();
    EXPECT_EQ(waits.WaitAny({&passEnd}, kWaitForever), 0);
}

}  // namespace
}  // namespace tarvon
