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

// The thread body. Returns 1 when given no pass, else 0. An exception inside
// is recorded and the station is set free for the next pass.
int PassRunnerThread(PassRunnerServices& services, std::shared_ptr<SchedulePass> pass);

// The end of a run as the engine reads it later: when it ended, whether the
// engine ended it, for a manual pass its LOS; the program's window is
// forgotten and decisions wait 10 s more. Call under ScheduleLock.
void RecordPassEnd(SchedulePass& pass, EngineState& engine, int32_t now);

}  // namespace tarvon
