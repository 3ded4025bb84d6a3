#include "passrun/WorkerThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "platform/Event.h"

namespace tarvon {
namespace {

TEST(WorkerThreads, JoinWaitsForThreadsAndThoseTheyStart) {
    WorkerThreads threads;
    std::atomic<int> done{0};
    for (int i = 0; i < 5; ++i) {
        threads.Start([&] {
            threads.Start([&] { ++done; });
            ++done;
        });
    }
    threads.Start([] { throw std::runtime_error("stays on its thread"); });
    threads.JoinAll();
    EXPECT_EQ(done, 10);
}

TEST(WorkerThreads, BoundedJoinLetsAStuckThreadGo) {
    WorkerThreads threads;
    auto release = std::make_shared<Event>(false);
    threads.Start([release] { WaitAnyEvent({release.get()}, kWaitForever); });
    threads.Start([] {});
    EXPECT_FALSE(threads.JoinAllWithin(100));
    release->Set();  // the let-go thread ends on its own
    threads.Start([] {});
    EXPECT_TRUE(threads.JoinAllWithin(5000));
}

}  // namespace
}  // namespace tarvon
