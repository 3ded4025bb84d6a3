#include "schedule/ClockThread.h"

#include <cstdio>
#include <mutex>

#include "core/ExceptionBarrier.h"
#include "core/TimeScales.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/OrbitConstants.h"
#include "platform/Notices.h"
#include "platform/Waits.h"
#include "schedule/ClockTexts.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon {
namespace {

constexpr uint32_t kStartDelayMs = 1500;
constexpr uint32_t kRoundMs = 975;
constexpr int32_t kScrollReturnSeconds = 120;
constexpr double kSpeedOfLightKmS = 299792.0;

void ReturnScheduleScroll(ScheduleState& s, ClockDisplay& display, int32_t now) {
    if (int64_t(now) - s.engine.scrollTime <= kScrollReturnSeconds) return;
    if (display.PopupMenuOpen()) {
        s.engine.scrollTime = now;
        return;
    }
    s.engine.scrollTime = kNever;
    display.ResetScheduleScroll();
}

std::string DopplerText(const SatState& state, const ObserverGeo& observer) {
    if (state.beaconFrequency == 0.0) return "";
    char text[32];
    std::snprintf(text, sizeof text, "% 6.0f", -observer.rangeRate * state.beaconFrequency / kSpeedOfLightKmS);
    return text;
}

void DrawTrackingPane(ScheduleState& s, ClockDisplay& display, int32_t now) {
    std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
    ObserverGeo observer = ObserverFromStation(s.services.settings.station);
    const double day = DayNumberFromUnixTime(now);
    const int rows = display.TrackingLinesShown();
    int row = 0;
    for (const auto& entry : s.tracking.display) {
        SatState& state = entry->state;
        state.now = day;
        if (state.nextEventTime != 0 && now > state.nextEventTime) {
            state.nextEventTime = 0;
            s.tracking.StartNextEvent(entry, observer, s.services.sync.scheduleLock, s.services.platform.log, [&s] {
                s.services.platform.notices.RequestRedraw(RedrawTarget::TrackingPane);
            });
        }
        UpdateLookAngles(state, observer);
        if (row >= rows) {
            ++row;
            continue;
        }
        TrackingLineValues v;
        v.name = state.name;
        v.azimuthDegrees = state.azimuth * orbit::kRadToDeg;
        v.elevationDegrees = state.elevation * orbit::kRadToDeg;
        v.rangeKm = state.range;
        v.dopplerText = DopplerText(state, observer);
        v.phase = state.phase;
        if (state.nextEventTime != 0) v.countdownText = TrackingCountdownText(state.nextEventTime - now);
        v.modeText = ModeForPhase(entry->modes, state.phase);
        const bool above = state.elevation > 0.0;
        if (above && !entry->aosSoundDone) display.PlayTrackAosSound();
        entry->aosSoundDone = above;
        display.ShowTrackingLine(row++, TrackingLineText(v), above);
    }
}

void ShowTitleAndClock(ScheduleState& s, ClockDisplay& display, ClockRoundMemory& memory, int32_t now) {
    const EngineState& e = s.engine;
    const bool scheduling = s.services.flags.schedulingEnabled == 1;
    if (scheduling && display.Minimised()) {
        display.SetTitle(MinimisedTitle(e.nextCountdownTime, now));
        memory.titleShowsCountdown = true;
        return;
    }
    if (memory.titleShowsCountdown) {
        display.SetTitle("Tarvon");
        memory.titleShowsCountdown = false;
    }
    const Settings& settings = s.services.settings;
    std::string name, countdown;
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        if (!s.passes.empty() && e.nextCountdownTime != kNever && scheduling) {
            name = e.nextPassName;
            countdown = NextPassBoxText(e.nextCountdownTime, now, e.countdownIsAos == 1);
        }
    }
    display.ShowClock(ClockBoxText(now, settings.general.displayTime, settings.timeZoneBiasSeconds),
                      DateBoxText(now, settings.general.displayTime, settings.timeZoneBiasSeconds), name, countdown);
}

}  // namespace

void ClockRound(ScheduleState& s, ClockDisplay& display, ClockRoundMemory& memory) {
    const int32_t now = s.Now();
    ReturnScheduleScroll(s, display, now);
    if (now >= s.engine.nextWakeTime) RunScheduler(s);
    DrawTrackingPane(s, display, now);
    ShowTitleAndClock(s, display, memory, now);
}

void ClockThread(ScheduleState& s, ClockDisplay& display) {
    Waits& waits = s.services.platform.waits;
    waits.Sleep(kStartDelayMs);
    ClockRoundMemory memory;
    while (!s.services.sync.shutdown.IsSet()) {
        // A round that fails is skipped; the clock keeps going.
        RunGuarded(s.services.platform.log, "clock round", [&] { ClockRound(s, display, memory); });
        if (waits.WaitAny({&s.services.sync.shutdown}, kRoundMs) == 0) break;
    }
}

}  // namespace tarvon
