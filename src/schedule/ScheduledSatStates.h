#pragma once
// The scheduler's satellites as a list of orbit states, so that a changed
// element database reaches their pass searches (register it with the
// station's SatStateLists).
#include "orbit/SatStateLists.h"
#include "schedule/ScheduleState.h"

namespace tarvon {

class ScheduledSatStates final : public SatStateList {
public:
    explicit ScheduledSatStates(ScheduleState& schedule) : schedule_(schedule) {}
    // Under ScheduleLock, which the pass calculation holds while it steps them.
    void ForEachSatState(const std::function<void(SatState&)>& visit) override;

private:
    ScheduleState& schedule_;
};

}  // namespace tarvon
