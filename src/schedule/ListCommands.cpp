#include "schedule/ListCommands.h"

#include <algorithm>

namespace tarvon {
namespace {

constexpr const char* kTarvonKey = "SOFTWARE\\Kova\\Tarvon";
constexpr int kLeastTrackingLines = 2;

void StoreTrackingValue(Registry& registry, const std::string& value) {
    if (auto key = registry.Create(RegRoot::LocalMachine, kTarvonKey)) RegWriteString(*key, "Tracking", value);
}

}  // namespace

PassPopupItems PassPopupFor(const SchedulePass& pass, const EngineState& engine, int32_t now) {
    PassPopupItems items;
    items.runEnabled = int64_t(pass.aos) - pass.startLead <= now;
    items.endInstead = engine.runnerState != 0 && pass.satName == engine.runningSatName;
    items.listenChecked = pass.listenOnly == 1;
    return items;
}

TrackingPopupItems TrackingPopupFor(bool satelliteHasKey, uint32_t rotatorType) {
    return {satelliteHasKey, rotatorType != 0};
}

std::string TrackingValue(const std::vector<std::string>& names) {
    std::string value;
    for (const std::string& name : names) value += name + "~";
    return value;
}

std::vector<std::string> TrackingListNames(const TrackingList& list) {
    std::vector<std::string> names;
    for (const auto& entry : list.entries) names.emplace_back(entry->state.name);
    return names;
}

bool RemoveTrackingEntry(TrackingList& list, std::shared_ptr<TrackingEntry> entry, Registry& registry) {
    auto at = std::find(list.entries.begin(), list.entries.end(), entry);
    if (at == list.entries.end()) return false;
    list.entries.erase(at);
    list.count = std::max(kLeastTrackingLines, list.count - 1);
    StoreTrackingValue(registry, TrackingValue(TrackingListNames(list)));
    SortTrackingDisplay(list);
    return true;
}

void ReplaceTrackingList(TrackingList& list, const std::vector<std::string>& names, Registry& registry,
                         const KepsDatabase& db, ObserverGeo station, int32_t now) {
    list.entries.clear();
    list.display.clear();
    std::vector<std::string> stored;
    for (const std::string& name : names) {
        const int slot = name.empty() ? -1 : FindKepsByName(db, name.c_str());
        if (slot < 0) continue;
        list.entries.push_front(MakeTrackingEntry(db.slots[slot], station, now));
        stored.push_back(name);
    }
    StoreTrackingValue(registry, TrackingValue(stored));
    list.count = std::max<int>(kLeastTrackingLines, static_cast<int>(names.size()));
    list.display.assign(list.entries.begin(), list.entries.end());
}

}  // namespace tarvon
