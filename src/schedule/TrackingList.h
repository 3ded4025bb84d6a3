#pragma once
// The tracking list: the satellites the user follows in the tracking pane,
// with their mode schedules and the time of their next AOS or LOS.
#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "orbit/KepsDatabase.h"
#include "orbit/SatState.h"
#include "platform/Registry.h"
#include "platform/StationLog.h"

namespace tarvon {

struct ModeEntry {
    int32_t startPhase = 0;  // 256ths of an orbit
    std::string mode;        // 5 characters, blank-padded
};

struct TrackingEntry {
    SatState state;  // nextEventTime: 1 = due at once, 0 = being computed
    std::vector<ModeEntry> modes;
    bool aosSoundDone = true;
};

// Guarded by ScheduleLock.
struct TrackingList {
    std::list<std::shared_ptr<TrackingEntry>> entries;  // list order
    std::vector<std::shared_ptr<TrackingEntry>> display;  // ascending next event time
    int count = 2;  // lines the pane reserves
    std::atomic<int> nextEventsRunning{1};

    TrackingList() = default;
    TrackingList(const TrackingList&) = delete;
    TrackingList& operator=(const TrackingList&) = delete;
    ~TrackingList() { StopNextEvents(); }
    // Searches the next AOS or LOS of an entry on a thread of its own, and
    // re-sorts the display order when it is found (under `lock`).
    void StartNextEvent(const std::shared_ptr<TrackingEntry>& entry, const ObserverGeo& observer,
                        std::recursive_mutex& lock, StationLog& log, std::function<void()> afterSort);
    // Stops the next-event searches and waits for them (shutdown).
    void StopNextEvents();

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::list<Worker> workers_;
};

std::vector<ModeEntry> ParseModeSchedule(const std::string& text);
// The mode at an orbit phase: the last entry whose start is not beyond it,
// or five blanks.
std::string ModeForPhase(const std::vector<ModeEntry>& modes, double phase);

// The names of the "Tracking" value, each ended by "~"; text after the last
// "~" is no name.
std::vector<std::string> TrackingNames(const std::string& value);

// An entry of an element set, due for its next-event search at once.
std::shared_ptr<TrackingEntry> MakeTrackingEntry(const KepsRecord& keps, ObserverGeo station, int32_t now);

// Reads "Tracking" and makes an entry of every name the database knows.
void LoadTrackingList(TrackingList& list, Registry& registry, const KepsDatabase& db, ObserverGeo station,
                      int32_t now);

// Display order: by next event time, equal times in list order.
void SortTrackingDisplay(TrackingList& list);

}  // namespace tarvon
