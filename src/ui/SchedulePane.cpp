#include "ui/SchedulePane.h"

#include <mutex>

#include <algorithm>
#include "passrun/ScheduledEvents.h"
#include "schedule/ScheduleListing.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

COLORREF ToColorRef(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

std::vector<ListingLine> CurrentListing(MainWindowState& state) {
    if (!state.schedule) return {};
    static const std::vector<ScheduleEvent*> kNoEvents;
    const Settings& s = *state.settings;
    const ListingFormat format{s.dateTimeFormat, s.general.displayTime == 1, s.timeZoneBiasSeconds};
    std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
    return BuildScheduleListing(state.schedule->passes, state.events ? state.events->timers : kNoEvents,
                                state.schedule->Now(), format);
}

void WriteLine(HDC dc, int x, int y, const std::string& text) {
    std::wstring wide = Widen(text);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void DrawNextPass(HDC dc, MainWindowState& state) {
    if (!state.schedule || state.flags->schedulingEnabled != 1) return;
    std::string name;
    {
        std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
        if (state.schedule->passes.empty() || state.schedule->engine.nextCountdownTime == kNever) return;
        name = state.schedule->engine.nextPassName;
    }
    SetTextColor(dc, RGB(0, 0, 0));
    WriteLine(dc, state.layout.nextPassUpper.left, state.layout.nextPassUpper.top, name);
}

}  // namespace

void DrawSchedulePane(HDC dc, MainWindowState& state) {
    const Box& pane = state.layout.schedulePane;
    const int lineHeight = state.display.lineHeight;
    HGDIOBJ oldFont = SelectObject(dc, state.display.font);
    SetBkColor(dc, RGB(192, 192, 192));
    std::vector<ListingLine> lines = CurrentListing(state);
    int y = pane.top;
    for (size_t i = static_cast<size_t>(state.scheduleTop); i < lines.size() && y + lineHeight <= pane.bottom;
         ++i, y += lineHeight) {
        SetTextColor(dc, ToColorRef(lines[i].rgb));
        WriteLine(dc, pane.left, y, lines[i].text);
    }
    if (y < pane.bottom) {
        // The scroll bar covers the right edge; leave it alone.
        RECT rest{pane.left, y, pane.right - 18, pane.bottom};
        FillRect(dc, &rest, state.display.backgroundBrush);
    }
    const int listed = state.schedule ? state.schedule->engine.listedItemCount.load() : 0;
    SetScrollRange(state.scrollBar, SB_CTL, 0, std::max(0, listed - state.layout.scheduleLines), TRUE);
    DrawNextPass(dc, state);
    SelectObject(dc, oldFont);
}

void RedrawSchedulePane(MainWindowState& state) {
    HDC dc = GetDC(state.window);
    DrawSchedulePane(dc, state);
    ReleaseDC(state.window, dc);
}

void OnScheduleScroll(MainWindowState& state, int code, int thumbPosition) {
    const int S = state.layout.scheduleLines;
    const int N = state.schedule ? state.schedule->engine.listedItemCount.load() : 0;
    int& top = state.scheduleTop;
    switch (code) {
        case SB_LINEUP:
            if (top > 0) --top;
            break;
        case SB_LINEDOWN:
            if (N - S > top) ++top;
            break;
        case SB_PAGEUP: top = std::max(0, top - S); break;
        case SB_PAGEDOWN: top = (N - 2 * S > top) ? top + S : N - S; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: top = thumbPosition; break;
        default: return;
    }
    if (top < 0) top = 0;
    if (state.schedule) {
        state.schedule->engine.scrollTime = top == 0 ? kNever : state.schedule->Now();
    }
    RedrawSchedulePane(state);
    SetScrollPos(state.scrollBar, SB_CTL, top, TRUE);
}

}  // namespace tarvon
