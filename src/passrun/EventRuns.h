#pragma once
// Runs of scheduled events: each run is a thread of its own that starts the
// event's program (or the file housekeeping), waits for it and records the
// outcome in the event's registry key.
#include <cstdint>
#include <functional>
#include <string>

#include "core/ProcessState.h"

namespace tarvon {

class Processes;
class RegKey;
class WorkerThreads;

struct EventRunServices {
    PlatformServices& platform;
    Processes& processes;
    SyncObjects& sync;
    WorkerThreads& threads;
};

// Starts one run of the first event key whose Name is `name`; no key, no run.
void StartEventRun(EventRunServices& services, const std::string& name);

// The body of one run, on the run's own thread, with the event's open key.
void EventRunThread(EventRunServices& services, RegKey& key);

// Starts a run of every active event of this Run kind, then runs the
// scheduler. Used for On Idle, On End Idle, Tarvon Startup and Tarvon Shutdown.
void RunEventsOfKind(EventRunServices& services, uint32_t runKind,
                     const std::function<void()>& runScheduler);

// True while a main window of VANT, Brisko or Pevrin is open.
bool CompanionProgramRunning(Processes& processes);

}  // namespace tarvon
