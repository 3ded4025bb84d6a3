// The scheduler's costs: one engine run over a long schedule, and the whole
// schedule of a full element database built from start-up.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchData.h"
#include "core/ProcessState.h"
#include "core/Settings.h"
#include "orbit/KepsDatabase.h"
#include "orbit/ObserverGeometry.h"
#include "platform/memory/FakeClock.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/ScriptedWaits.h"
#include "schedule/DryRun.h"
#include "schedule/OrbitPassSource.h"
#include "schedule/ScheduleBuilder.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon {
namespace {

constexpr int32_t kStart = 1778544000;  // 2026-05-12 00:00 UTC

// Nothing to search: the engine benchmark fills the list itself.
class NoPasses final : public PassSource {
public:
    std::unique_ptr<PassSearch> NewSearch(const std::string&) override { return nullptr; }
};

struct Station {
    FakeClock clock{int64_t(kStart) * 1000};
    MemoryRegistry registry;
    ScriptedWaits waits{&clock};
    RecordingNotices notices;
    MemoryStationLog log;
    PlatformServices platform{registry, clock, waits, notices, log};
    SyncObjects sync;
    RunFlags flags;
    Settings settings;
    DryRunWorld world{clock, ModelledProgram{}};
};

void BM_RunSchedulerWith5000Passes(benchmark::State& bench) {
    Station st;
    NoPasses source;
    ScheduleState state(ScheduleServices{st.platform, st.sync, st.flags, st.settings, source, st.world, st.world, true});
    st.world.Attach(state);
    for (int i = 0; i < 5000; ++i) {
        auto pass = std::make_shared<SchedulePass>();
        pass->satName = "SAT-" + std::to_string(i % 50);
        pass->aos = kStart + 600 + i * 170;
        pass->los = pass->aos + 600;
        pass->priority = 1 + i % 100;
        pass->elevationOk = i % 3 != 0;
        pass->notified = 1;
        state.passes.push_back(pass);
    }
    for (auto _ : bench) RunScheduler(state);
    bench.counters["passes"] = double(state.passes.size());
}
BENCHMARK(BM_RunSchedulerWith5000Passes)->Unit(benchmark::kMicrosecond);

void BM_Schedule50SatellitesTenDays(benchmark::State& bench) {
    const KepsDatabase db = BulletinDatabase();
    Station st;
    st.settings.general.scheduleSeconds = 10 * 86400;
    st.settings.station.latitude = 52.2;
    st.settings.station.longitude = 0.12;
    int satellites = 0;
    for (const KepsRecord& k : db.slots) {
        if (k.name[0] == 0) continue;
        auto key = st.registry.Create(RegRoot::LocalMachine, std::string(kSatellitesKeyPath) + "\\" + k.name);
        RegWriteString(*key, "Name", k.name);
        RegWriteDword(*key, "State", 0);
        RegWriteDword(*key, "Priority", 1 + satellites % 100);
        ++satellites;
    }
    OrbitPassSource source(db, ObserverFromStation(st.settings.station), PassSearchSettings{}, st.clock);
    size_t passes = 0;
    for (auto _ : bench) {
        ScheduleState state(ScheduleServices{st.platform, st.sync, st.flags, st.settings, source, st.world, st.world, true});
        st.world.Attach(state);
        BuildSchedule(state, "");
        passes = state.passes.size();
    }
    bench.counters["satellites"] = satellites;
    bench.counters["passes"] = double(passes);
}
BENCHMARK(BM_Schedule50SatellitesTenDays)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tarvon
