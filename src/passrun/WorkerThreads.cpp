#include "passrun/WorkerThreads.h"

#include <chrono>

#include "core/ExceptionBarrier.h"

namespace tarvon {

WorkerThreads::~WorkerThreads() { JoinAll(); }

void WorkerThreads::Start(std::string place, std::function<void()> work) {
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::lock_guard<std::mutex> lock(mutex_);
    JoinFinishedLocked();
    workers_.push_back(Worker{std::thread([this, place = std::move(place), work = std::move(work), done] {
                                  RunGuarded(log_, place, work);
                                  done->store(true);
                              }),
                              done});
}

void WorkerThreads::JoinFinishedLocked() {
    for (auto it = workers_.begin(); it != workers_.end();) {
        if (it->done->load()) {
            it->thread.join();
            it = workers_.erase(it);
        } else {
            ++it;
        }
    }
}

void WorkerThreads::JoinAll() {
    for (;;) {
        std::list<Worker> waiting;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            waiting.swap(workers_);
        }
        if (waiting.empty()) return;
        for (Worker& worker : waiting) worker.thread.join();
    }
}

bool WorkerThreads::AllEndedWithin(uint32_t limitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            JoinFinishedLocked();
            if (workers_.empty()) return true;
            if (std::chrono::steady_clock::now() >= deadline) return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool WorkerThreads::JoinAllWithin(uint32_t limitMs) {
    if (AllEndedWithin(limitMs)) return true;
    std::lock_guard<std::mutex> lock(mutex_);
    for (Worker& worker : workers_) worker.thread.detach();
    workers_.clear();
    return false;
}

}  // namespace tarvon
