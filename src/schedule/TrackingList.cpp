#include "schedule/TrackingList.h"

#include <algorithm>
#include <cctype>

#include "core/ExceptionBarrier.h"
#include "core/RegistryKeys.h"
#include "core/TimeScales.h"
#include "orbit/NextEvent.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/Propagation.h"

namespace tarvon {
namespace {

constexpr size_t kModeWidth = 5;
constexpr uint32_t kTrackingBuffer = 200;
constexpr const char* kBlankMode = "     ";

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

void TrackingList::StartNextEvent(const std::shared_ptr<TrackingEntry>& entry, const ObserverGeo& observer,
                                  std::recursive_mutex& lock, StationLog& log, std::function<void()> afterSort) {
    // Finished searches are cleaned up as new ones start.
    std::erase_if(workers_, [](Worker& w) {
        if (!w.done->load()) return false;
        w.thread.join();
        return true;
    });
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::weak_ptr<TrackingEntry> weak = entry;
    workers_.push_back({std::thread([this, weak, copy = entry->state, observer, &lock, &log, afterSort, done] {
                            // On an exception the entry keeps waiting; the next round tries again.
                            RunGuarded(log, "next-event search", [&] {
                                const NextEvent event = FindNextEvent(copy, observer, nextEventsRunning);
                                if (event.found) {
                                    std::lock_guard<std::recursive_mutex> guard(lock);
                                    if (auto alive = weak.lock()) {
                                        ApplyNextEvent(alive->state, event);
                                        SortTrackingDisplay(*this);
                                    }
                                }
                                if (event.found && afterSort) afterSort();
                            });
                            *done = true;
                        }),
                        done});
}

void TrackingList::StopNextEvents() {
    nextEventsRunning = 0;
    for (Worker& w : workers_) w.thread.join();
    workers_.clear();
}

std::vector<ModeEntry> ParseModeSchedule(const std::string& text) {
    std::vector<ModeEntry> modes;
    size_t at = 0;
    while (text.size() - at >= 3) {
        ModeEntry entry;
        for (size_t i = at; i < at + 3; ++i) {
            entry.startPhase = entry.startPhase * 10 + (IsDigit(text[i]) ? text[i] - '0' : 0);
        }
        size_t end = at + 3;
        while (end < text.size() && !IsDigit(text[end])) ++end;
        entry.mode = text.substr(at + 3, std::min(end - (at + 3), kModeWidth));
        entry.mode.resize(kModeWidth, ' ');
        modes.push_back(entry);
        at = end;
    }
    return modes;
}

std::string ModeForPhase(const std::vector<ModeEntry>& modes, double phase) {
    const int32_t whole = static_cast<int32_t>(phase);
    std::string mode = kBlankMode;
    for (const ModeEntry& entry : modes) {
        if (entry.startPhase > whole) break;
        mode = entry.mode;
    }
    return mode;
}

std::vector<std::string> TrackingNames(const std::string& value) {
    std::vector<std::string> names;
    size_t start = 0;
    for (size_t tilde = value.find('~'); tilde != std::string::npos; tilde = value.find('~', start)) {
        names.push_back(value.substr(start, tilde - start));
        start = tilde + 1;
    }
    return names;
}

std::shared_ptr<TrackingEntry> MakeTrackingEntry(const KepsRecord& keps, ObserverGeo station, int32_t now) {
    auto entry = std::make_shared<TrackingEntry>();
    InitSatState(keps, entry->state, DayNumberFromUnixTime(now));
    entry->state.nextEventTime = 1;
    entry->modes = ParseModeSchedule(entry->state.modeSchedule);
    UpdateLookAngles(entry->state, station);
    entry->state.doppler = DopplerShift(station.rangeRate, entry->state.beaconFrequency);
    return entry;
}

void LoadTrackingList(TrackingList& list, Registry& registry, const KepsDatabase& db, ObserverGeo station,
                      int32_t now) {
    list.entries.clear();
    list.display.clear();
    std::string value;
    if (auto key = registry.Open(RegRoot::LocalMachine, kTarvonKeyPath)) {
        // A longer value is cut at the buffer's end, as the station reads it.
        RegReadStringCut(*key, "Tracking", value, kTrackingBuffer);
    }
    for (const std::string& name : TrackingNames(value)) {
        const int slot = FindKepsByName(db, name.c_str());
        if (slot < 0 || name.empty()) continue;
        list.entries.push_front(MakeTrackingEntry(db.slots[slot], station, now));
    }
    list.count = std::max<int>(2, int(list.entries.size()));
    list.display.assign(list.entries.begin(), list.entries.end());
}

void SortTrackingDisplay(TrackingList& list) {
    list.display.clear();
    for (const auto& entry : list.entries) {
        auto at = std::find_if(list.display.begin(), list.display.end(),
                               [&](const auto& shown) { return shown->state.nextEventTime > entry->state.nextEventTime; });
        list.display.insert(at, entry);
    }
}

}  // namespace tarvon
