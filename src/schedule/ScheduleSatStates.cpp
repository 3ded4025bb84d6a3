#include "schedule/ScheduleSatStates.h"

#include <mutex>

#include "platform/Notices.h"

namespace tarvon {

void ScheduledSatStates::ForEachSatState(const std::function<void(SatState&)>& visit) {
    std::lock_guard<std::recursive_mutex> lock(s_.services.sync.scheduleLock);
    for (const SatelliteRef& satellite : s_.satellites) {
        if (SatState* orbit = satellite->search->Orbit()) visit(*orbit);
    }
}

void TrackingSatStates::ForEachSatState(const std::function<void(SatState&)>& visit) {
    std::lock_guard<std::recursive_mutex> lock(s_.services.sync.scheduleLock);
    for (const auto& entry : s_.tracking.entries) visit(entry->state);
}

void TrackingSatStates::AfterRefresh() {
    {
        std::lock_guard<std::recursive_mutex> lock(s_.services.sync.scheduleLock);
        // 1 is "due at once"; an entry whose search runs (0) keeps it.
        for (const auto& entry : s_.tracking.entries) {
            if (entry->state.nextEventTime != 0) entry->state.nextEventTime = 1;
        }
    }
    s_.services.platform.notices.RequestRedraw(RedrawTarget::TrackingPane);
}

}  // namespace tarvon
