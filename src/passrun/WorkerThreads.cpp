#include "passrun/WorkerThreads.h"

namespace tarvon {

WorkerThreads::~WorkerThreads() { JoinAll(); }

void WorkerThreads::Start(std::function<void()> work) {
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::lock_guard<std::mutex> lock(mutex_);
    JoinFinishedLocked();
    workers_.push_back(Worker{std::thread([work = std::move(work), done] {
                                  try {
                                      work();
                                  } catch (...) {
                                  }
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

}  // namespace tarvon
