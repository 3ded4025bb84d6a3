#pragma once
// The scheduler's and the tracking list's orbit states, as a changed element
// database reaches them (RefreshSatStatesFromKeps). Both lists are guarded by
// ScheduleLock, which the refresh holds for each of them in turn.
#include "orbit/SatStateLists.h"
#include "schedule/ScheduleState.h"

namespace tarvon {

// The pass searches of the scheduled satellites: searches from now on use the
// new elements (passes already in the schedule stay until Redo Schedule).
class ScheduledSatStates final : public SatStateList {
public:
    explicit ScheduledSatStates(ScheduleState& s) : s_(s) {}
    void ForEachSatState(const std::function<void(SatState&)>& visit) override;

private:
    ScheduleState& s_;
};

// The tracking pane's satellites: their next AOS or LOS is searched again at
// once, so that the countdown follows the new elements.
class TrackingSatStates final : public SatStateList {
public:
    explicit TrackingSatStates(ScheduleState& s) : s_(s) {}
    void ForEachSatState(const std::function<void(SatState&)>& visit) override;
    void AfterRefresh() override;

private:
    ScheduleState& s_;
};

}  // namespace tarvon
