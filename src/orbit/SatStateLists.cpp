#include "orbit/SatStateLists.h"

#include <algorithm>

#include "orbit/Propagation.h"

namespace tarvon {

void SatStateLists::Add(SatStateList& list) {
    std::lock_guard lock(mutex_);
    lists_.push_back(&list);
}

void SatStateLists::Remove(SatStateList& list) {
    std::lock_guard lock(mutex_);
    lists_.erase(std::remove(lists_.begin(), lists_.end(), &list), lists_.end());
}

std::vector<SatStateList*> SatStateLists::Snapshot() const {
    std::lock_guard lock(mutex_);
    return lists_;
}

KepsFileCheck RefreshSatStatesFromKeps(KepsDatabase& db, const std::filesystem::path& kepsFile, SatStateLists& lists,
                                       double stationRangeRate) {
    KepsFileCheck check = LoadKepsDatabase(db, kepsFile);
    for (SatStateList* list : lists.Snapshot()) {
        list->ForEachSatState([&](SatState& s) {
            const int slot = FindKepsByCatalog(db, s.catalogNumber);
            if (slot >= 0) RefreshSatState(s, db.slots[slot], stationRangeRate);
        });
        list->AfterRefresh();
    }
    return check;
}

}  // namespace tarvon
