#include "schedule/ScheduleBuilder.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>
#include <mutex>

#include "core/SatelliteConfig.h"
#include "platform/Notices.h"
#include "platform/Registry.h"
#include "schedule/PassCalculation.h"
#include "schedule/PassInsertion.h"
#include "schedule/ScheduleFile.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon {
namespace {


std::string MissingSatelliteText(const std::string& name) {
    const std::string format = kMissingSatelliteFormat;
    const size_t at = format.find("%s");
    return format.substr(0, at) + name + format.substr(at + 2);
}

void SetParameters(ScheduledSatellite& satellite, int32_t priority, int32_t state, int32_t minPassTimeMinutes,
                   int32_t minElevation, int32_t startLead) {
    satellite.priority = priority;
    satellite.state = state;
    satellite.minPassTime = int32_t(std::clamp<int64_t>(int64_t(minPassTimeMinutes) * 60, INT32_MIN, INT32_MAX));
    satellite.minElevation = minElevation;
    satellite.startLead = startLead;
}

// The scheduled satellite of one registry key, or null.
SatelliteRef ReadScheduledSatellite(ScheduleState& s, RegKey& key, std::vector<std::string>& missing) {
    uint32_t state = 3;
    RegReadDword(key, "State", state);
    if (state != 0 && state != 1) return nullptr;
    uint32_t priority = kLowestPriority;
    RegReadDword(key, "Priority", priority);
    std::string name;
    RegReadString(key, "Name", name, 20);
    auto search = s.services.passSource.NewSearch(name);
    if (!search) {
        missing.push_back(name);
        return nullptr;
    }
    uint32_t startLead = kDefaultStartLead, minElevation = 0, minPassTime = 0;
    RegReadDword(key, "Start Time", startLead);
    RegReadDword(key, "Min Elevation", minElevation);
    RegReadDword(key, "Min Pass Time", minPassTime);
    auto satellite = std::make_shared<ScheduledSatellite>();
    satellite->name = name;
    satellite->search = std::move(search);
    SetParameters(*satellite, ClampedPriority(priority), int32_t(state), int32_t(minPassTime),
                  int32_t(minElevation), int32_t(startLead));
    return satellite;
}

void ReadScheduledSatellites(ScheduleState& s) {
    std::vector<std::string> missing;
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        ForEachSubkey(s.services.platform.registry, RegRoot::LocalMachine, kSatellitesKeyPath, kMaxSatelliteKeys,
                      [&](const std::string&, RegKey& key) {
                          if (SatelliteRef satellite = ReadScheduledSatellite(s, key, missing)) {
                              s.satellites.push_front(satellite);
                          }
                          return false;
                      });
    }
    for (const std::string& name : missing) {
        s.services.platform.notices.Show(MissingSatelliteText(name), "Tarvon", NoticeIcon::Exclamation);
    }
}

int32_t ElevationOk(int32_t maxElevation, int32_t minElevation) { return maxElevation >= minElevation ? 1 : 0; }

enum class SchedulingChange { Updated, Added, Missing };

// The scheduler's side of a satellite's new settings, under ScheduleLock; the
// caller tells the user, or starts the calculation, once the lock is released.
SchedulingChange ChangeScheduling(ScheduleState& s, const std::string& name, int32_t priority, int32_t state,
                                  int32_t minPassTimeMinutes, int32_t minElevation, int32_t startLead) {
    if (SatelliteRef satellite = FindSatStateByName(s, name)) {
        SetParameters(*satellite, priority, state, minPassTimeMinutes, minElevation, startLead);
        return SchedulingChange::Updated;
    }
    auto search = s.services.passSource.NewSearch(name);
    if (!search) return SchedulingChange::Missing;
    s.services.flags.passCalcKeepGoing = 0;
    auto satellite = std::make_shared<ScheduledSatellite>();
    satellite->name = name;
    satellite->search = std::move(search);
    SetParameters(*satellite, priority, state, minPassTimeMinutes, minElevation, startLead);
    s.satellites.push_front(satellite);
    QueueSatellite(s, satellite);
    s.calculationWanted = true;
    return SchedulingChange::Added;
}

void FollowSchedulingChange(ScheduleState& s, SchedulingChange change, const std::string& name) {
    // Told outside the lock, so that the clock thread runs on meanwhile.
    if (change == SchedulingChange::Missing) {
        s.services.platform.notices.Show(MissingSatelliteText(name), "Tarvon", NoticeIcon::Exclamation);
    }
    if (change == SchedulingChange::Added) StartWantedCalculation(s);
}

// The record of a pass run lately, when the schedule has lost it and this
// found pass is the same pass again: it is listed in place of the copy, so
// that the run's history (and a runner's coming end record) stay listed.
PassRef UnlistedWorkedPass(ScheduleState& s, const SchedulePass& found) {
    for (const PassRef& worked : s.engine.workedPasses) {
        if (worked->priority == 0 || !HasCloseDuplicate(PassList{worked}, found)) continue;
        if (std::find(s.passes.begin(), s.passes.end(), worked) == s.passes.end()) return worked;
    }
    return nullptr;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int32_t ClampedPriority(uint32_t stored) {
    const int32_t priority = static_cast<int32_t>(stored);
    return (priority < 1 || priority > kLowestPriority) ? 10 : priority;
}

void BuildSchedule(ScheduleState& s) { BuildSchedule(s, ScheduleFilePath(s.services.settings)); }

void BuildSchedule(ScheduleState& s, const std::filesystem::path& scheduleFile) {
    ReadScheduledSatellites(s);
    LoadScheduleFile(s, scheduleFile);
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        const int64_t horizonEnd = int64_t(s.Now()) + s.Horizon();
        for (const SatelliteRef& satellite : s.satellites) {
            if (satellite->search->SearchTime() < horizonEnd) QueueSatellite(s, satellite);
        }
    }
    StartPassCalculation(s);
}

void AddFoundPass(ScheduleState& s, const ScheduledSatellite& satellite, const FoundPass& found) {
    auto pass = std::make_shared<SchedulePass>();
    pass->maxElevation = found.maxElevationDeg;
    pass->elevationOk = ElevationOk(pass->maxElevation, satellite.minElevation);
    pass->startLead = satellite.startLead;
    pass->priority = satellite.priority;
    pass->minPassTime = satellite.minPassTime;
    pass->state = satellite.state;
    pass->overhead = found.overhead;
    pass->aos = found.aos;
    pass->los = found.los;
    pass->satName = satellite.name.substr(0, kSatNameMax);
    if (s.Now() > pass->los) return;
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        if (PassRef worked = UnlistedWorkedPass(s, *pass)) {
            const SchedulePass history = *worked;
            *worked = *pass;
            if (InsertPass(s, worked)) {
                worked->lastRunEnd = history.lastRunEnd;
                worked->endedByScheduler = history.endedByScheduler;
                worked->runNow = history.runNow;
                worked->notified = history.notified;
                worked->notifyWindow = history.notifyWindow;
            } else {
                *worked = history;
            }
        } else {
            InsertPass(s, pass);
        }
    }
    RunScheduler(s);
}

void UnscheduleSatellite(ScheduleState& s, const std::string& name) {
    std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
    std::erase_if(s.queue, [&](const SatelliteRef& q) {
        if (q->name != name) return false;
        q->queued = false;
        return true;
    });
    std::erase_if(s.passes, [&](const PassRef& p) { return p->satName == name; });
    std::erase_if(s.satellites, [&](const SatelliteRef& q) { return q->name == name; });
}

void ApplySatelliteSave(ScheduleState& s, const SatelliteConfig& config) {
    const int32_t priority = ClampedPriority(config.priority);
    const int32_t minElevation = static_cast<int32_t>(config.minElevation);
    SchedulingChange change = SchedulingChange::Updated;
    {
        // One holding: no engine run or calculation sees the satellite changed
        // and its listed passes not yet.
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        if (config.state != 2) {
            change = ChangeScheduling(s, config.name, priority, int32_t(config.state), int32_t(config.minPassTime),
                                      minElevation, int32_t(config.startTime));
            for (const PassRef& pass : s.passes) {
                if (!EqualsIgnoringCase(pass->satName, config.name)) continue;
                pass->priority = priority;
                pass->minPassTime = int32_t(std::clamp<int64_t>(int64_t(config.minPassTime) * 60, 0, INT32_MAX));
                pass->state = int32_t(config.state);
                pass->elevationOk = ElevationOk(pass->maxElevation, minElevation);
            }
        } else {
            UnscheduleSatellite(s, config.name);
        }
    }
    FollowSchedulingChange(s, change, config.name);
    RunScheduler(s);
}

int SaveSatellite(ScheduleState& s, RegKey& key, SatelliteConfig* config) {
    if (!SaveSatelliteConfig(key, config, s.services.platform.notices)) return 0;
    ApplySatelliteSave(s, *config);
    return 1;
}

PassList::iterator RemovePassAt(ScheduleState& s, PassList::iterator at) {
    const PassRef pass = *at;
    auto next = s.passes.erase(at);
    SatelliteRef satellite = FindSatStateByName(s, pass->satName);
    if (satellite && !satellite->queued &&
        int64_t(satellite->search->SearchTime()) <= int64_t(s.Now()) + s.Horizon()) {
        satellite->search->Restart(satellite->search->SearchTime());
        QueueSatellite(s, satellite);
        s.calculationWanted = true;
    }
    return next;
}

void FollowScheduleHorizon(ScheduleState& s) {
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        const int64_t horizonEnd = int64_t(s.Now()) + s.Horizon();
        for (const SatelliteRef& satellite : s.satellites) {
            if (!satellite->queued && satellite->search->SearchTime() < horizonEnd) QueueSatellite(s, satellite);
        }
    }
    StartPassCalculation(s);
}

void RedoSchedule(ScheduleState& s) {
    s.services.flags.passCalcKeepGoing = 0;
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        SaveScheduleFile(s, ScheduleFilePath(s.services.settings));
        const int32_t now = s.Now();
        s.queue.clear();
        for (const SatelliteRef& satellite : s.satellites) {
            satellite->queued = false;
            satellite->search->Restart(now);
            QueueSatellite(s, satellite);
        }
        // Queued in list order, not newest first.
        std::reverse(s.queue.begin(), s.queue.end());
        s.engine.nextWakeTime = kNever;
        s.engine.programWindow = 0;
        RunScheduler(s);
    }
    StartPassCalculation(s);
}

}  // namespace tarvon
