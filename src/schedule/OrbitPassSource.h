#pragma once
// The scheduler's passes from the element database: one orbit state per
// scheduled satellite, searched step by step over the station.
#include "orbit/KepsDatabase.h"
#include "orbit/PassSearch.h"
#include "orbit/SatState.h"
#include "platform/Clock.h"
#include "schedule/SchedulerPorts.h"

namespace tarvon {

class OrbitPassSource final : public PassSource {
public:
    // The database must outlive the source; it is read only when a search is made.
    OrbitPassSource(const KepsDatabase& db, const ObserverGeo& station, const PassSearchSettings& settings,
                    Clock& clock)
        : db_(db), station_(station), settings_(settings), clock_(clock) {}

    std::unique_ptr<PassSearch> NewSearch(const std::string& name) override;

    // The station moved, or its rotator's flip settings changed (under
    // ScheduleLock, like every search). New searches, and every search from
    // its next restart on, look from the new place.
    void SetStation(const ObserverGeo& station, const PassSearchSettings& settings);

private:
    const KepsDatabase& db_;
    ObserverGeo station_;
    PassSearchSettings settings_;
    Clock& clock_;
};

}  // namespace tarvon
