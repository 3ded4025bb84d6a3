#include "passrun/EventRuns.h"

#include <mutex>
#include <optional>

#include "maint/FileHousekeeping.h"
#include "passrun/ScheduledEvents.h"
#include "passrun/WorkerThreads.h"
#include "platform/Clock.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/StationLog.h"
#include "platform/Waits.h"

namespace tarvon {
namespace {

constexpr uint32_t kPathBuffer = 260;

// Calls `visit(keyPath, key)` for every event key until it returns true.
template <typename Visit>
void ForEachEventKey(Registry& registry, Visit visit) {
    ForEachSubkey(registry, RegRoot::LocalMachine, kEventsKeyPath, kMaxEventKeys,
                  [&](const std::string& name, RegKey& key) { return visit(SubkeyPath(kEventsKeyPath, name), key); });
}

void StartRunOfKey(EventRunServices& services, const std::string& path) {
    // The run's thread owns the key from here on and closes it when done.
    std::shared_ptr<RegKey> key = services.platform.registry.Open(RegRoot::LocalMachine, path);
    if (!key) return;
    services.threads.Start("event run", [&services, key] { EventRunThread(services, *key); });
}

// What a run came to: its result when it succeeded, and what the log says.
struct RunOutcome {
    std::optional<uint32_t> result;
    std::string told;
};

RunOutcome RunProgram(EventRunServices& services, RegKey& key) {
    std::string program;
    if (!RegReadString(key, "Program", program, kPathBuffer) || program.empty()) {
        return {std::nullopt, "no program is configured"};
    }
    ProcessStart start;
    start.commandLine = program;
    RegReadString(key, "Directory", start.directory, kPathBuffer);
    uint32_t minimise = 1;
    RegReadDword(key, "Minimise", minimise);
    start.show = minimise == 1 ? ShowState::MinimisedNoActivate : ShowState::Maximised;
    std::unique_ptr<Process> process = services.processes.Start(start);
    if (!process) return {std::nullopt, "the program could not be started: " + program};
    int which = services.platform.waits.WaitAny({&services.sync.shutdown, &process->Exited()},
                                                kWaitForever);
    if (which != 1) return {std::nullopt, "Tarvon was closed while " + program + " ran"};
    return {0u, program + " ended"};
}

RunOutcome RunHousekeeping(EventRunServices& services) {
    if (CompanionProgramRunning(services.processes)) {
        return {std::nullopt, "housekeeping not done: a companion program is running"};
    }
    const uint32_t result = RunFileHousekeeping(services.platform.registry, services.platform.clock.NowUnix(),
                                                std::nullopt);
    return {result, "housekeeping done"};
}

}  // namespace

bool CompanionProgramRunning(Processes& processes) {
    for (const char* windowClass : {"VANT:MAIN", "Brisko", "Pevrin"}) {
        if (processes.FindTopLevelWindow(windowClass, "") != kNoWindow) return true;
    }
    return false;
}

void StartEventRun(EventRunServices& services, const std::string& name) {
    if (name.empty()) return;
    ForEachEventKey(services.platform.registry, [&](const std::string& path, RegKey& key) {
        std::string keyName;
        RegReadString(key, "Name", keyName, kEventNameBuffer);
        if (keyName != name) return false;
        StartRunOfKey(services, path);
        return true;
    });
}

void EventRunThread(EventRunServices& services, RegKey& key) {
    RegWriteDword(key, "Last Run Time", static_cast<uint32_t>(services.platform.clock.NowUnix()));
    uint32_t associate = kAssociateNoSatellite;
    RegReadDword(key, "Associate", associate);
    const RunOutcome outcome = associate == kAssociateHousekeeping ? RunHousekeeping(services)
                                                                   : RunProgram(services, key);
    std::string name;
    RegReadString(key, "Name", name, kEventNameBuffer);
    std::string line = "Event " + name + ": " + outcome.told;
    if (outcome.result) line += ", result " + std::to_string(*outcome.result);
    services.platform.log.Record(line);
    if (!outcome.result) return;
    RegWriteDword(key, "Last Success Time",
                  static_cast<uint32_t>(services.platform.clock.NowUnix()));
    RegWriteDword(key, "Last Return", *outcome.result);
}

void RunEventsOfKind(EventRunServices& services, uint32_t runKind,
                     const std::function<void()>& runScheduler) {
    {
        std::lock_guard<std::recursive_mutex> lock(services.sync.scheduleLock);
        ForEachEventKey(services.platform.registry, [&](const std::string& path, RegKey& key) {
            uint32_t active = 0;
            uint32_t run = kRunBeforePass;
            std::string name;
            RegReadDword(key, "Active", active);
            RegReadDword(key, "Run", run);
            RegReadString(key, "Name", name, kEventNameBuffer);
            // This key itself, not the first one carrying the same name.
            if (active == 1 && run == runKind && !name.empty()) StartRunOfKey(services, path);
            return false;
        });
    }
    if (runScheduler) runScheduler();
}

}  // namespace tarvon
