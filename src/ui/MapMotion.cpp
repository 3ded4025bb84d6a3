#include "ui/MapMotion.h"

#include <cstdlib>

#include "core/PublicIds.h"
#include "core/Settings.h"
#include "core/TimeScales.h"
#include "orbit/NextEvent.h"
#include "platform/Clock.h"
#include "ui/MapDraw.h"
#include "ui/UiBarrier.h"

namespace tarvon {
namespace {

constexpr DWORD kMapThreadStack = 65536;
constexpr DWORD kPausedWaitMs = 5000;
constexpr uint32_t kThreadJoinLimitMs = 10000;

// Moves the map time on by one frame.
void Advance(MapWindowState& s) {
    std::lock_guard<std::mutex> guard(s.lock);
    MapScene& scene = s.scene;
    if (s.fast) {
        const double step = s.fastStep;
        scene.time += s.forward ? step : -step;
        scene.unixTime = UnixTimeFromDayNumber(scene.time);
    } else {
        scene.unixTime = CurrentUnixTime(*s.clock);
        scene.time = DayNumberFromUnixTime(scene.unixTime);
    }
}

// The next AOS or LOS of the shown satellite, searched on copies from the
// map time; only the next-event fields are written back.
void SearchNextEvent(MapWindowState& s) {
    SatState copy;
    ObserverGeo station;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (!s.nextEventWanted || s.scene.bodyIsSun || !s.forward || s.nextEventRunning == 2) return;
        s.nextEventWanted = false;
        copy = s.scene.body;
        copy.now = s.scene.time;
        station = s.station;
    }
    if (s.nextEventThread.joinable()) s.nextEventThread.join();
    s.nextEventRunning = 2;  // busy; dropped to 1 when done, 0 stops it
    s.nextEventThread = std::thread([&s, copy, station]() noexcept {
        try {
            const NextEvent event = FindNextEvent(copy, station, s.nextEventRunning);
            std::lock_guard<std::mutex> guard(s.lock);
            if (event.found && s.scene.body.catalogNumber == copy.catalogNumber && !s.scene.bodyIsSun) {
                ApplyNextEvent(s.scene.body, event);
            }
        } catch (...) {
            RecordCaughtInWindow("map countdown");  // the countdown stays blank; the map goes on
        }
        int busy = 2;
        s.nextEventRunning.compare_exchange_strong(busy, 1);
    });
}

void LogFrames(MapWindowState& s) {
    if (!s.debugLog) return;
    const DWORD now = GetTickCount();
    if (now - s.logTick < 1000 && !s.paused) return;
    std::lock_guard<std::mutex> guard(s.lock);
    std::fprintf(s.debugLog, "tick=%lu frames=%ld paused=%d fast=%d time=%.9f unix=%d marker=%d,%d\n",
                 static_cast<unsigned long>(now), s.framesThisSecond, s.paused ? 1 : 0, s.fast ? 1 : 0, s.scene.time,
                 s.scene.unixTime, s.lastMarker.point.x, s.lastMarker.point.y);
    std::fflush(s.debugLog);
    s.framesThisSecond = 0;
    s.logTick = now;
}

void RunMap(MapWindowState& s) {
    while (s.run) {
        const DWORD started = GetTickCount();
        if (!s.paused) {
            Advance(s);
            MapDraw(s, false);
            ++s.framesThisSecond;
            SearchNextEvent(s);
        }
        LogFrames(s);
        DWORD wait;
        if (s.paused) {
            wait = s.fast ? static_cast<DWORD>(s.waitMs.load()) : kPausedWaitMs;
        } else if (s.fast) {
            const DWORD spent = GetTickCount() - started;
            wait = spent < static_cast<DWORD>(kFastFrameMs) ? kFastFrameMs - spent : 1;
        } else {
            wait = static_cast<DWORD>(s.waitMs.load());
        }
        WaitForSingleObject(s.wake, wait);
    }
}

DWORD WINAPI MapThreadEntry(LPVOID parameter) {
    try {
        RunMap(*static_cast<MapWindowState*>(parameter));
    } catch (...) {
        RecordCaughtInWindow("map thread");  // the map stops moving; the station goes on
    }
    return 0;
}

void CheckMenu(MapWindowState& s, UINT id, bool on) {
    CheckMenuItem(GetMenu(s.window), id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void EnableDirection(MapWindowState& s, bool on) {
    EnableMenuItem(GetMenu(s.window), IDM_MAP_CHANGE_DIRECTION, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void Invalidate(MapWindowState& s) {
    std::lock_guard<std::mutex> guard(s.lock);
    s.trackValid = false;
    s.terminatorValid = false;
}

}  // namespace

bool StartMapThread(MapWindowState& s) {
    s.run = true;
    s.nextEventRunning = 1;
    s.thread = CreateThread(nullptr, kMapThreadStack, MapThreadEntry, &s, 0, nullptr);
    return s.thread != nullptr;
}

void StopMapThread(MapWindowState& s) {
    s.run = false;
    s.nextEventRunning = 0;
    WakeMap(s);
    if (s.thread) {
        WaitForSingleObject(s.thread, kThreadJoinLimitMs);
        CloseHandle(s.thread);
        s.thread = nullptr;
    }
    if (s.nextEventThread.joinable()) s.nextEventThread.join();
}

void WakeMap(MapWindowState& s) {
    if (s.wake) SetEvent(s.wake);
}

void ApplyDrawingOptions(MapWindowState& s) {
    const GeneralSettings& g = s.settings->general;
    const bool fast = s.fast;
    s.drawTrack = (fast ? g.mapGroundTrackFast : g.mapGroundTrackNorm) != 0;
    s.drawTerminator = (fast ? g.mapTerminatorFast : g.mapTerminatorNorm) != 0;
    s.drawCircle = (fast ? g.mapCircleFast : g.mapCircleNorm) != 0;
    s.originShift = MapOriginAt(g.mapOrigin).shift;
}

void ToggleFastMotion(MapWindowState& s) {
    if (!s.fast) {
        s.paused = false;
        s.forward = true;
        s.waitMs = 0;
        {
            std::lock_guard<std::mutex> guard(s.lock);
            s.fastStep = FastStepFor(s.settings->general.mapSpeed, SceneRevolutionsPerDay(s.scene));
        }
        s.fast = true;
        EnableDirection(s, true);
    } else {
        s.fast = false;
        s.waitMs = kRealTimeWaitMs;
        EnableDirection(s, false);
        s.forward = true;
        std::lock_guard<std::mutex> guard(s.lock);
        s.scene.unixTime = CurrentUnixTime(*s.clock);
        s.scene.time = DayNumberFromUnixTime(s.scene.unixTime);
        s.nextEventWanted = true;
    }
    CheckMenu(s, IDM_MAP_FAST_FORWARD, s.fast);
    CheckMenu(s, IDM_MAP_PAUSE, false);
    ApplyDrawingOptions(s);
    Invalidate(s);
    InvalidateRect(s.window, nullptr, FALSE);
    WakeMap(s);
}

void ChangeMapDirection(MapWindowState& s) {
    if (!s.fast) return;
    if (s.paused) {
        s.paused = false;
        s.waitMs = 0;
        CheckMenu(s, IDM_MAP_PAUSE, false);
    }
    s.forward = !s.forward;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.scene.body.nextEventTime = 0;
        s.nextEventWanted = s.forward;
    }
    WakeMap(s);
}

void ToggleMapPause(MapWindowState& s) {
    s.paused = !s.paused;
    if (s.fast) s.waitMs = s.paused ? kRealTimeWaitMs : 0;
    CheckMenu(s, IDM_MAP_PAUSE, s.paused);
    if (!s.paused && !s.fast) {
        std::lock_guard<std::mutex> guard(s.lock);
        s.scene.unixTime = CurrentUnixTime(*s.clock);
        s.scene.time = DayNumberFromUnixTime(s.scene.unixTime);
    }
    InvalidateRect(s.window, nullptr, FALSE);
    WakeMap(s);
}

void ChangeFastStep(MapWindowState& s, bool longer) {
    if (!s.fast) return;
    s.fastStep = longer ? LongerFastStep(s.fastStep) : ShorterFastStep(s.fastStep);
}

void ResetToRealTime(MapWindowState& s) {
    s.fast = false;
    s.paused = false;
    s.forward = true;
    s.waitMs = kRealTimeWaitMs;
    if (s.window) {
        EnableDirection(s, false);
        CheckMenu(s, IDM_MAP_FAST_FORWARD, false);
        CheckMenu(s, IDM_MAP_PAUSE, false);
    }
    ApplyDrawingOptions(s);
}

}  // namespace tarvon
