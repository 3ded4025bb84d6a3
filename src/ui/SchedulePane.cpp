#include "ui/SchedulePane.h"

#include <mutex>

#include <algorithm>
#include "passrun/ScheduledEvents.h"
#include "schedule/ScheduleListing.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

COLORREF ToColorRef(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void WriteLine(HDC dc, int x, int y, const std::string& text) {
    std::wstring wide = Widen(text);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

ScrollAction ScrollActionOf(int code) {
    switch (code) {
        case SB_LINEUP: return ScrollAction::LineUp;
        case SB_LINEDOWN: return ScrollAction::LineDown;
        case SB_PAGEUP: return ScrollAction::PageUp;
        case SB_PAGEDOWN: return ScrollAction::PageDown;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: return ScrollAction::Thumb;
        default: return ScrollAction::Other;
    }
}

}  // namespace

std::vector<ListingLine> CurrentScheduleListing(MainWindowState& state) {
    if (!state.schedule) return {};
    static const std::vector<ScheduleEvent*> kNoEvents;
    const Settings& s = *state.settings;
    const ListingFormat format{s.dateTimeFormat, s.general.displayTime == 1, s.timeZoneBiasSeconds};
    std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
    return BuildScheduleListing(state.schedule->passes, state.events ? state.events->timers : kNoEvents,
                                state.schedule->Now(), format);
}

void DrawSchedulePane(HDC dc, MainWindowState& state) {
    const Box& pane = state.layout.schedulePane;
    const int lineHeight = state.display.lineHeight;
    HGDIOBJ oldFont = SelectObject(dc, state.display.font);
    SetBkColor(dc, RGB(192, 192, 192));
    std::vector<ListingLine> lines = CurrentScheduleListing(state);
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
    SelectObject(dc, oldFont);
}

void RedrawSchedulePane(MainWindowState& state) {
    HDC dc = GetDC(state.window);
    DrawSchedulePane(dc, state);
    ReleaseDC(state.window, dc);
}

void OnScheduleScroll(MainWindowState& state, int code, int thumbPosition) {
    const int listed = state.schedule ? state.schedule->engine.listedItemCount.load() : 0;
    const int top = ScrolledTop(ScrollActionOf(code), state.scheduleTop, state.layout.scheduleLines, listed,
                                thumbPosition);
    if (top < 0) return;
    state.scheduleTop = top;
    if (state.schedule) state.schedule->engine.scrollTime = top == 0 ? kNever : state.schedule->Now();
    RedrawSchedulePane(state);
    SetScrollPos(state.scrollBar, SB_CTL, top, TRUE);
}

}  // namespace tarvon
