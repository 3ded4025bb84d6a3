#pragma once
// The pass runner: carries out one pass that the scheduler engine has
// chosen, from the Before Pass events to the After Pass events, on a thread
// of its own.
#include <functional>
#include <memory>
#include <string>

#include "core/ProcessState.h"

namespace tarvon {

class Processes;
class PassHardware;
struct EngineState;
struct EventLists;
struct SchedulePass;
struct Settings;

struct PassRunnerServices {
    PlatformServices& platform;
    Processes& processes;
    SyncObjects& sync;
    const Settings& settings;
    EngineState& engine;
    EventLists& events;
    PassHardware& hardware;
    // Starts one run of the named scheduled event.
    std::function<void(const std::string& name)> startEventRun;
};

// The thread body. Returns 1 when given no pass, else 0.
int PassRunnerThread(PassRunnerServices& services, std::shared_ptr<SchedulePass> pass);

}  // namespace tarvon
