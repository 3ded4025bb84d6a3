#pragma once
// A station for the scheduling tests: the in-memory platform, passes given by
// the test instead of an orbit, and the dry-run world as pass runner.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ProcessState.h"
#include "core/Settings.h"
#include "platform/memory/FakeClock.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/ScriptedWaits.h"
#include "schedule/DryRun.h"
#include "schedule/ScheduleState.h"

namespace tarvon::testing {

constexpr int32_t kNoon = 1700049600;  // 2023-11-15 12:00:00 UTC
constexpr int32_t kBulletinDay = 1778544000;  // 2026-05-12 00:00:00 UTC, near the BBS bulletin's epochs

// Passes of each satellite, found by a search that moves an hour per step.
class ScriptedPassSource final : public PassSource {
public:
    std::map<std::string, std::vector<FoundPass>> passes;
    Clock* clock = nullptr;
    // Satellites that are in the element database but never rise.
    std::vector<std::string> neverRising;
    std::unique_ptr<PassSearch> NewSearch(const std::string& name) override;
};

// A pass of `name` as a search finds it, in no schedule yet.
PassRef NewPass(const std::string& name, int32_t aos, int32_t los, int32_t priority = 50);

struct TestStation {
    explicit TestStation(int32_t now, ModelledProgram program = {});

    FakeClock clock;
    MemoryRegistry registry;
    ScriptedWaits waits{&clock};
    RecordingNotices notices;
    MemoryStationLog log;
    PlatformServices platform{registry, clock, waits, notices, log};
    SyncObjects sync;
    RunFlags flags;
    Settings settings;
    ScriptedPassSource source;
    DryRunWorld world;
    ScheduleState state;

    // A pass put straight into the list, as the schedule would hold it.
    PassRef AddPass(const std::string& name, int32_t aos, int32_t los, int32_t priority,
                    int32_t minPassTime = 0, int32_t startLead = 25);
    // A satellite key of the registry; a value not given is left out.
    std::unique_ptr<RegKey> AddSatelliteKey(const std::string& key, const std::string& name,
                                            std::optional<uint32_t> state = {}, std::optional<uint32_t> priority = {});
    int32_t Now() { return clock.NowUnix(); }
};

}  // namespace tarvon::testing
