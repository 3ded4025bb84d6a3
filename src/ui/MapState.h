#pragma once
// The map window's state, shared by its window procedure (the user-interface
// thread) and its drawing thread. Motion flags and drawing options are
// atomics written by the window thread; everything the drawing reads as a
// whole (the scene, the observers, the track and the frame) is guarded by
// `lock`. The map thread never touches the window's controls or menu.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "orbit/MapScene.h"
#include "orbit/SatStateLists.h"
#include "schedule/TrackingList.h"

namespace tarvon {

class Clock;
class Registry;
struct Settings;

constexpr int kMapObserverLimit = 5;
constexpr int kRealTimeWaitMs = 975;
// Fast motion draws at a steady 40 frames a second, so that "frames per
// orbit" means the same on every machine.
constexpr int kFastFrameMs = 25;

struct MapFrame {
    HDC dc = nullptr;            // memory DC holding `bitmap`, the window's picture
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    HBITMAP picture = nullptr;   // the world, for the first origin
    HFONT font = nullptr;
    HPEN trackPen = nullptr, terminatorPen = nullptr, markerPen = nullptr, observerPen = nullptr;
    HPEN framePen = nullptr;
    int charWidth = 8, lineHeight = 12;
    int width = 0, height = 0;
};

struct LastMarker {
    bool drawn = false;
    MapPoint point;
    bool circle = false;
    std::vector<MapSegment> circleSegments;
};

struct MapWindowState : SatStateList {
    // Set at start-up, never changed.
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    Settings* settings = nullptr;
    Registry* registry = nullptr;
    const KepsDatabase* keps = nullptr;
    Clock* clock = nullptr;
    std::function<uint32_t(bool stop, const std::string& name)> trackRotator;  // the start's number
    uint32_t ownTrackingStart = 0;  // the number of the map's last start or stop
    std::filesystem::path observerFile;

    // The window thread's own.
    HWND window = nullptr;
    HWND timeBox = nullptr;
    HANDLE thread = nullptr;
    HANDLE wake = nullptr;  // auto-reset: a flag changed, or time to stop
    std::thread nextEventThread;
    bool rotatorTracking = false;

    // A satellite that a worker thread asked the map to show.
    std::mutex pendingLock;
    std::string pendingSatellite;

    std::atomic<bool> run{false};
    std::atomic<bool> paused{false};
    std::atomic<bool> fast{false};
    std::atomic<bool> forward{true};
    std::atomic<int> waitMs{kRealTimeWaitMs};
    std::atomic<double> fastStep{0.0};
    std::atomic<bool> drawTrack{true}, drawTerminator{true}, drawCircle{true};
    std::atomic<int> originShift{-17};
    std::atomic<int> nextEventRunning{0};

    std::mutex lock;  // the map lock
    MapScene scene;
    std::vector<ModeEntry> modes;
    ObserverGeo station;  // set again when the station moves
    ObserverGeo observers[kMapObserverLimit];
    int observerCount = 1;
    bool trackValid = false;
    GroundTrackSpan trackSpan;
    MapPoint track[kGroundTrackPoints];
    int32_t terminatorTime = 0;
    bool terminatorValid = false;
    int redrawCounter = 0;
    LastMarker lastMarker;
    bool nextEventWanted = true;  // the shown satellite's next event must be searched
    MapFrame frame;

    // Frames drawn, for the debug log named by TARVON_MAP_LOG.
    std::FILE* debugLog = nullptr;
    long framesThisSecond = 0;
    DWORD logTick = 0;

    // The element-refresh lists reach the map satellite through these.
    void ForEachSatState(const std::function<void(SatState&)>& visit) override;
    void AfterRefresh() override;
};

}  // namespace tarvon
