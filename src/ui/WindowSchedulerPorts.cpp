#include "ui/WindowSchedulerPorts.h"

#include "core/PublicIds.h"
#include "ui/PassDialogIds.h"
#include "ui/SchedulePane.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

// A device context of the main window with the display font and colours set.
class WindowDc {
public:
    explicit WindowDc(const MainWindowState& state) : window_(state.window), dc_(GetDC(state.window)) {
        oldFont_ = SelectObject(dc_, state.display.font);
        SetBkColor(dc_, RGB(192, 192, 192));
    }
    ~WindowDc() {
        SelectObject(dc_, oldFont_);
        ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ oldFont_;
};

}  // namespace

void WindowSchedulerUi::PostRunScheduler() { PostMessageW(state_.window, WM_TARVON_RUN_SCHEDULER, 0, 0); }

void WindowSchedulerUi::PostOpenNotification(std::shared_ptr<SchedulePass> pass) {
    auto* carried = new std::shared_ptr<SchedulePass>(std::move(pass));
    if (!PostMessageW(state_.window, WM_TARVON_NOTIFY_PASS, 0, reinterpret_cast<LPARAM>(carried))) delete carried;
}

std::shared_ptr<SchedulePass> TakeNotifiedPass(LPARAM lParam) {
    std::unique_ptr<std::shared_ptr<SchedulePass>> carried(reinterpret_cast<std::shared_ptr<SchedulePass>*>(lParam));
    return carried ? *carried : nullptr;
}

void WindowSchedulerUi::PressNotificationOk(uintptr_t notifyWindow) {
    // A dialog that is already gone makes this a harmless no-op.
    PostMessageW(reinterpret_cast<HWND>(notifyWindow), WM_COMMAND, MAKEWPARAM(IDC_NOTIFY_OK, BN_CLICKED), 0);
}

void WindowSchedulerUi::CloseProgramWindow(uintptr_t programWindow) {
    PostMessageW(reinterpret_cast<HWND>(programWindow), WM_CLOSE, 0, 0);
}

bool WindowClockDisplay::PopupMenuOpen() { return state_.popupMenuOpen.load(); }

void WindowClockDisplay::ResetScheduleScroll() {
    state_.scheduleTop = 0;
    SetScrollPos(state_.scrollBar, SB_CTL, 0, TRUE);
    RedrawSchedulePane(state_);
}

bool WindowClockDisplay::Minimised() { return state_.iconic.load() != 0; }

void WindowClockDisplay::SetTitle(const std::string& title) {
    std::wstring text = Widen(title);
    // Bounded, so that a busy main thread never holds the clock up for long.
    SendMessageTimeoutW(state_.window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 500,
                        nullptr);
}

void FillTextBox(HDC dc, const MainWindowState& state, const Box& box, const std::wstring& text) {
    RECT r{box.left, box.top, box.right, box.bottom};
    FillRect(dc, &r, state.display.backgroundBrush);
    if (text.empty()) return;
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, box.left, box.top, text.c_str(), static_cast<int>(text.size()));
}

void WindowClockDisplay::ShowClock(const std::string& clock, const std::string& date,
                                   const std::string& nextPassName, const std::string& nextPassCountdown) {
    {
        std::lock_guard<std::mutex> lock(state_.textMutex);
        state_.clockText = Widen(clock);
        state_.dateText = Widen(date);
    }
    const MainLayout& l = state_.layout;
    WindowDc dc(state_);
    FillTextBox(dc.get(), state_, Box{l.clockBox.left, l.clockBox.top, l.clockBox.right, l.clockLine2.top},
                Widen(clock));
    FillTextBox(dc.get(), state_, l.clockLine2, Widen(date));
    FillTextBox(dc.get(), state_, l.nextPassUpper, Widen(nextPassName));
    FillTextBox(dc.get(), state_, l.nextPassLower, Widen(nextPassCountdown));
}

int WindowClockDisplay::TrackingLinesShown() { return state_.layout.trackingLines; }

void WindowClockDisplay::ShowTrackingLine(int row, const std::string& text, bool aboveHorizon) {
    const Box& pane = state_.layout.trackingPane;
    const int y = pane.top + row * state_.display.lineHeight;
    if (y + state_.display.lineHeight > pane.bottom) return;
    WindowDc dc(state_);
    SetTextColor(dc.get(), aboveHorizon ? RGB(255, 0, 0) : RGB(0, 0, 0));
    std::wstring wide = Widen(text);
    TextOutW(dc.get(), pane.left, y, wide.c_str(), static_cast<int>(wide.size()));
}

void WindowClockDisplay::PlayTrackAosSound() {
    if (trackAosSound_) trackAosSound_();
}

}  // namespace tarvon
