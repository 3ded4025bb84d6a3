#pragma once
// The short-lived threads of pass execution (event runs, the pass runner).
// Each is remembered so that shutdown can wait for them after ShutdownEvent
// has been set; finished ones are cleaned up as new ones start.
#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace tarvon {

class StationLog;

class WorkerThreads {
public:
    explicit WorkerThreads(StationLog& log) : log_(log) {}
    WorkerThreads(const WorkerThreads&) = delete;
    WorkerThreads& operator=(const WorkerThreads&) = delete;
    ~WorkerThreads();

    // Runs `work` on a new thread. An exception thrown by it ends that thread
    // instead of the process, and is recorded in the log as caught at `place`.
    void Start(std::string place, std::function<void()> work);

    // Waits for every thread started so far, and for those they start meanwhile.
    void JoinAll();

    // Waits at most `limitMs` for every thread started so far to end; true
    // when all had. A thread still running stays ours (JoinAll waits for it).
    bool AllEndedWithin(uint32_t limitMs);

    // As JoinAll, but for at most `limitMs`: a thread still running then (a
    // pass runner waiting on a message box nobody will answer) is let go, so
    // that shutdown cannot hang. True when every thread had ended.
    bool JoinAllWithin(uint32_t limitMs);

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    void JoinFinishedLocked();

    StationLog& log_;
    std::mutex mutex_;
    std::list<Worker> workers_;
};

}  // namespace tarvon
