#include "passrun/WorkerThreads.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "platform/Event.h"
#include "platform/memory/MemoryStationLog.h"

namespace tarvon {
namespace {

TEST(WorkerThreads, JoinWaitsForThreadsAndThoseTheyStart) {
    MemoryStationLog log;
    WorkerThreads threads(log);
    std::atomic<int> done{0};
    for (int i = 0; i < 5; ++i) {
        threads.Start("outer", [&] {
            threads.Start("inner", [&] { ++done; });
            ++done;
        });
    }
    threads.Start("event run", [] { throw std::runtime_error("no such program"); });
    threads.JoinAll();
    EXPECT_EQ(done, 10);
    EXPECT_THAT(log.Lines(), ::testing::ElementsAre("Exception caught in event run: no such program"));
}

TEST(WorkerThreads, BoundedJoinLetsAStuckThreadGo) {
    MemoryStationLog log;
    WorkerThreads threads(log);
    auto release = std::make_shared<Event>(false);
    threads.Start("stuck", [release] { WaitAnyEvent({release.get()}, kWaitForever); });
    threads.Start("quick", [] {});
    EXPECT_FALSE(threads.JoinAllWithin(100));
    release->Set();  // the let-go thread ends on its own
    threads.Start("quick", [] {});
    EXPECT_TRUE(threads.JoinAllWithin(5000));
}

}  // namespace
}  // namespace tarvon
