#pragma once
// The process-wide state that the station's threads share. One instance is
// owned by the program's entry point (or by a test) and handed to whoever
// needs it; nothing here is a global.
#include <atomic>
#include <mutex>

#include "platform/Event.h"

namespace tarvon {

class Registry;
class Clock;
class Waits;
class Notices;
class StationLog;

// The system services the portable code reaches through interfaces.
struct PlatformServices {
    Registry& registry;
    Clock& clock;
    Waits& waits;
    Notices& notices;
    StationLog& log;
};

struct SyncObjects {
    // Guards the satellite list, the pass-calculation queue, the schedule, the
    // tracking list and the event lists. Taken before trackingLock.
    std::recursive_mutex scheduleLock;
    std::mutex trackingLock;
    Event passEnd{true};
    Event passCalcIdle{true};
    Event idle{true};
    Event modemReady{true};
    Event shutdown{false};
};

// atomic, each of them: set by the main window (and the calculation's
// starters), read by the threads between their steps.
struct RunFlags {
    std::atomic<int> programRunning{1};
    std::atomic<int> passCalcKeepGoing{1};
    std::atomic<int> schedulingEnabled{1};
};

}  // namespace tarvon
