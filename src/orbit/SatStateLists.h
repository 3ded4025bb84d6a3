#pragma once
// The satellite states that other parts of the station own (the scheduler's
// satellite list, the tracking list, the map's satellite) register here, so
// that a changed element database reaches all of them.
#include <filesystem>
#include <functional>
#include <mutex>
#include <vector>

#include "orbit/KepsDatabase.h"
#include "orbit/SatState.h"

namespace tarvon {

class SatStateList {
public:
    virtual ~SatStateList() = default;
    // Calls `visit` on every state in list order, under the list's own lock.
    virtual void ForEachSatState(const std::function<void(SatState&)>& visit) = 0;
    // After the states were refreshed: repaint whatever shows them.
    virtual void AfterRefresh() {}
};

class SatStateLists {
public:
    // Lists are refreshed in the order they were added.
    void Add(SatStateList& list);
    void Remove(SatStateList& list);
    std::vector<SatStateList*> Snapshot() const;

private:
    mutable std::mutex mutex_;
    std::vector<SatStateList*> lists_;
};

// Reloads the database from `kepsFile` (the caller saved it first) and gives
// every registered state whose catalogue number is in the table its new
// elements; other states, damaged slots' included, keep theirs. Returns what
// the load found wrong with the file.
KepsFileCheck RefreshSatStatesFromKeps(KepsDatabase& db, const std::filesystem::path& kepsFile, SatStateLists& lists,
                                       double stationRangeRate);

}  // namespace tarvon
