#pragma once
// The popup menus of the schedule pane and the tracking pane: which items a
// pass or a tracking entry offers, and the tracking-list edits behind them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "schedule/ScheduleState.h"

namespace tarvon {

// The pass popup's items for one pass.
struct PassPopupItems {
    bool runEnabled = false;  // its program's start time (aos - startLead) has come
    bool endInstead = false;  // its satellite's pass runs: "End this pass now"
    bool listenChecked = false;
    bool operator==(const PassPopupItems&) const = default;
};
// The caller holds ScheduleLock.
PassPopupItems PassPopupFor(const SchedulePass& pass, const EngineState& engine, int32_t now);

// The tracking popup's items for one entry.
struct TrackingPopupItems {
    bool runEnabled = false;      // the satellite has a key of its own to run a pass from
    bool rotatorEnabled = false;  // a rotator is set up
    bool operator==(const TrackingPopupItems&) const = default;
};
TrackingPopupItems TrackingPopupFor(bool satelliteHasKey, uint32_t rotatorType);

// The "Tracking" value: every name followed by "~".
std::string TrackingValue(const std::vector<std::string>& names);

// The names of the list, in list order.
std::vector<std::string> TrackingListNames(const TrackingList& list);

// Takes an entry out of the list (held by value: it may be the list's own
// reference) and stores the names left; the pane keeps
// at least two lines. False when the entry is no longer listed. The caller
// holds ScheduleLock.
bool RemoveTrackingEntry(TrackingList& list, std::shared_ptr<TrackingEntry> entry, Registry& registry);

// The list made anew from the names the user chose (those the element
// database knows), stored, and shown in list order until the next events are
// found. The caller holds ScheduleLock.
void ReplaceTrackingList(TrackingList& list, const std::vector<std::string>& names, Registry& registry,
                         const KepsDatabase& db, ObserverGeo station, int32_t now);

}  // namespace tarvon
