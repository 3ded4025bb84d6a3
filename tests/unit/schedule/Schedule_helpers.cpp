#include "Schedule_helpers.h"

#include <algorithm>

#include "core/SatelliteConfig.h"
#include "platform/Registry.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kStepSeconds = 3600;

class ScriptedSearch final : public PassSearch {
public:
    ScriptedSearch(std::vector<FoundPass> passes, int32_t start) : passes_(std::move(passes)), time_(start) {}

    bool Step(FoundPass& found) override {
        for (const FoundPass& pass : passes_) {
            if (pass.los < time_) continue;  // a pass in progress is found, as the orbit's search finds it
            if (pass.aos >= time_ + kStepSeconds) break;
            found = pass;
            time_ = pass.los + 60;
            return true;
        }
        time_ += kStepSeconds;
        return false;
    }
    int32_t SearchTime() const override { return time_; }
    void Restart(int32_t unixTime) override { time_ = unixTime; }

private:
    std::vector<FoundPass> passes_;
    int32_t time_;
};

}  // namespace

std::unique_ptr<PassSearch> ScriptedPassSource::NewSearch(const std::string& name) {
    const int32_t start = clock ? clock->NowUnix() : 0;
    auto it = passes.find(name);
    if (it != passes.end()) {
        auto sorted = it->second;
        std::sort(sorted.begin(), sorted.end(), [](auto& a, auto& b) { return a.aos < b.aos; });
        return std::make_unique<ScriptedSearch>(sorted, start);
    }
    if (std::find(neverRising.begin(), neverRising.end(), name) != neverRising.end()) {
        return std::make_unique<ScriptedSearch>(std::vector<FoundPass>{}, start);
    }
    return nullptr;
}

TestStation::TestStation(int32_t now, ModelledProgram program)
    : clock(int64_t(now) * 1000),
      world(clock, program),
      state(ScheduleServices{platform, sync, flags, settings, source, world, world, true}) {
    world.Attach(state);
    source.clock = &clock;
    // As at start-up, the engine runs at the first tick.
    state.engine.nextWakeTime = 0;
}

PassRef NewPass(const std::string& name, int32_t aos, int32_t los, int32_t priority) {
    return std::make_shared<SchedulePass>(SchedulePass{.satName = name, .aos = aos, .los = los, .priority = priority});
}

PassRef TestStation::AddPass(const std::string& name, int32_t aos, int32_t los, int32_t priority,
                             int32_t minPassTime, int32_t startLead) {
    auto pass = std::make_shared<SchedulePass>(SchedulePass{.satName = name, .aos = aos, .los = los,
                                                            .minPassTime = minPassTime, .startLead = startLead,
                                                            .priority = priority, .elevationOk = 1,
                                                            .notified = Now() + 10 >= aos});
    auto at = std::find_if(state.passes.begin(), state.passes.end(), [&](auto& p) { return p->aos > aos; });
    state.passes.insert(at, pass);
    return pass;
}

std::unique_ptr<RegKey> TestStation::AddSatelliteKey(const std::string& key, const std::string& name,
                                                     std::optional<uint32_t> satState,
                                                     std::optional<uint32_t> priority) {
    auto k = registry.Create(RegRoot::LocalMachine, std::string(kSatellitesKeyPath) + "\\" + key);
    RegWriteString(*k, "Name", name);
    if (satState) RegWriteDword(*k, "State", *satState);
    if (priority) RegWriteDword(*k, "Priority", *priority);
    return k;
}

}  // namespace tarvon::testing
