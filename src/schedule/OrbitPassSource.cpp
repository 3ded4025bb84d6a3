#include "schedule/OrbitPassSource.h"

#include "core/TimeScales.h"
#include "orbit/PassListing.h"
#include "orbit/Propagation.h"

namespace tarvon {
namespace {

class OrbitPassSearch final : public PassSearch {
public:
    // `station` and `settings` are the source's, read again at each restart.
    OrbitPassSearch(const KepsRecord& keps, const ObserverGeo& station, const PassSearchSettings& settings,
                    int32_t now)
        : station_(station), sourceSettings_(settings), observer_(station), settings_(settings) {
        InitSatState(keps, state_, DayNumberFromUnixTime(now));
    }

    bool Step(FoundPass& found) override {
        const int result = PassSearchStep(state_, observer_, settings_);
        if (result == kPassStepNoPass) gaveUp_ = true;
        if (result != kPassStepFound) return false;
        found = FoundPassOf(state_);
        return true;
    }

    // A search that gave up has gone as far as it ever will.
    int32_t SearchTime() const override { return gaveUp_ ? kUnixNever : UnixTimeFromDayNumber(state_.now); }

    void Restart(int32_t unixTime) override {
        observer_ = station_;
        settings_ = sourceSettings_;
        gaveUp_ = false;
        state_.now = DayNumberFromUnixTime(unixTime);
        state_.aos = -1.0;
        state_.los = 0.0;
        state_.searchState = kSearchStart;
    }

    SatState* Orbit() override { return &state_; }

private:
    const ObserverGeo& station_;
    const PassSearchSettings& sourceSettings_;
    SatState state_;
    ObserverGeo observer_;
    PassSearchSettings settings_;
    bool gaveUp_ = false;
};

}  // namespace

void OrbitPassSource::SetStation(const ObserverGeo& station, const PassSearchSettings& settings) {
    station_ = station;
    settings_ = settings;
}

std::unique_ptr<PassSearch> OrbitPassSource::NewSearch(const std::string& name) {
    const int slot = FindKepsByName(db_, name.c_str());
    if (slot < 0 || name.empty()) return nullptr;
    return std::make_unique<OrbitPassSearch>(db_.slots[slot], station_, settings_, clock_.NowUnix());
}

}  // namespace tarvon
