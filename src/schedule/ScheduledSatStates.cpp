#include "schedule/ScheduledSatStates.h"

#include <mutex>

namespace tarvon {

void ScheduledSatStates::ForEachSatState(const std::function<void(SatState&)>& visit) {
    std::lock_guard<std::recursive_mutex> lock(schedule_.services.sync.scheduleLock);
    for (const SatelliteRef& satellite : schedule_.satellites) {
        if (SatState* orbit = satellite->search->Orbit()) visit(*orbit);
    }
}

}  // namespace tarvon
