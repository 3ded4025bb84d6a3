// All passes of the 50 satellites of a real element bulletin over 10 days, as
// the schedule builder finds them: search state -1 from the start, steps until
// each pass, on until the first AOS beyond the horizon.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "BenchData.h"
#include "core/Settings.h"
#include "core/TimeScales.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/PassListing.h"
#include "orbit/Propagation.h"

namespace tarvon {
namespace {

constexpr int32_t kStart = 1778457600;  // 2026-05-11 00:00 UTC, the bulletin's epoch
constexpr int32_t kDays = 10;

void BM_PassesOf50SatellitesOver10Days(benchmark::State& state) {
    const KepsDatabase db = BulletinDatabase();
    StationConfig station;
    station.latitude = 48.1;
    station.longitude = -11.6;  // 11.6 E
    station.altitude = 520.0;
    ObserverGeo observer = ObserverFromStation(station);
    PassSearchSettings settings;
    settings.giveUpDays = kDays + 1;
    std::vector<SatState> states;
    for (const auto& slot : db.slots) {
        if (IsFreeSlot(slot)) continue;
        states.emplace_back();
        InitSatState(slot, states.back(), DayNumberFromUnixTime(kStart));
    }
    int64_t passes = 0, evaluations = 0, allocations = 0;
    for (auto _ : state) {
        passes = evaluations = 0;
        const int64_t before = bench::HeapAllocations();
        for (SatState& s : states) {
            evaluations += ListPasses(s, observer, kStart, kStart + kDays * 86400, settings,
                                      [&](const FoundPass& p) {
                                          benchmark::DoNotOptimize(p);
                                          ++passes;
                                      });
        }
        allocations = bench::HeapAllocations() - before;
    }
    state.counters["satellites"] = static_cast<double>(states.size());
    state.counters["passes"] = static_cast<double>(passes);
    state.counters["evaluations"] = static_cast<double>(evaluations);
    state.counters["evals_per_pass"] = static_cast<double>(evaluations) / static_cast<double>(passes);
    state.counters["allocations"] = static_cast<double>(allocations);
}
BENCHMARK(BM_PassesOf50SatellitesOver10Days)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvon
