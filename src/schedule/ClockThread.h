#pragma once
// The clock thread: once a second it runs the engine when its time has come,
// returns the schedule pane to the top after a while, and redraws the
// tracking pane, the clock, the date and the next-pass countdown.
#include <string>

#include "schedule/ScheduleState.h"

namespace tarvon {

// The main window as the clock thread draws on it.
class ClockDisplay {
public:
    virtual ~ClockDisplay() = default;
    virtual bool PopupMenuOpen() = 0;
    // Scroll position 0 and a redraw of the schedule pane.
    virtual void ResetScheduleScroll() = 0;
    virtual bool Minimised() = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // The clock and date boxes, and the next pass's satellite and countdown
    // (both empty when nothing is counted down).
    virtual void ShowClock(const std::string& clock, const std::string& date, const std::string& nextPassName,
                           const std::string& nextPassCountdown) = 0;
    // How many tracking lines the pane has room for.
    virtual int TrackingLinesShown() = 0;
    virtual void ShowTrackingLine(int row, const std::string& text, bool aboveHorizon) = 0;
    virtual void PlayTrackAosSound() = 0;
};

// What one round leaves for the next.
struct ClockRoundMemory {
    bool titleShowsCountdown = false;
};

// One round at the clock's current time.
void ClockRound(ScheduleState& s, ClockDisplay& display, ClockRoundMemory& memory);

// The thread body: 1500 ms, then rounds 975 ms apart until ShutdownEvent.
void ClockThread(ScheduleState& s, ClockDisplay& display);

}  // namespace tarvon
