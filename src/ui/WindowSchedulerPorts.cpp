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

void WindowClockDisplay::ResetScheduleScroll() { PostMessageW(state_.window, WM_TARVON_SCROLL_HOME, 0, 0); }

bool WindowClockDisplay::Minimised() { return state_.iconic.load() != 0; }

void WindowClockDisplay::SetTitle(const std::string& title) {
    {
        std::lock_guard<std::mutex> lock(state_.textMutex);
        state_.titleText = Widen(title);
    }
    PostMessageW(state_.window, WM_TARVON_SET_TITLE, 0, 0);
}

void FillTextBox(HDC dc, const MainWindowState& state, const Box& box, const std::wstring& text) {
    RECT r{box.left, box.top, box.right, box.bottom};
    FillRect(dc, &r, state.display.backgroundBrush);
    if (text.empty()) return;
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, box.left, box.top, text.c_str(), static_cast<int>(text.size()));
}

void DrawClockBoxes(HDC dc, MainWindowState& state) {
    const MainLayout& l = state.layout;
    std::lock_guard<std::mutex> lock(state.textMutex);
    FillTextBox(dc, state, Box{l.clockBox.left, l.clockBox.top, l.clockBox.right, l.clockLine2.top}, state.clockText);
    FillTextBox(dc, state, l.clockLine2, state.dateText);
    FillTextBox(dc, state, l.nextPassUpper, state.nextPassName);
    FillTextBox(dc, state, l.nextPassLower, state.nextPassCountdown);
}

void WindowClockDisplay::ShowClock(const std::string& clock, const std::string& date,
                                   const std::string& nextPassName, const std::string& nextPassCountdown) {
    {
        std::lock_guard<std::mutex> lock(state_.textMutex);
        state_.clockText = Widen(clock);
        state_.dateText = Widen(date);
        state_.nextPassName = Widen(nextPassName);
        state_.nextPassCountdown = Widen(nextPassCountdown);
    }
    std::lock_guard<std::mutex> lock(state_.layoutMutex);
    DrawClockBoxes(WindowDc(state_).get(), state_);
}

int WindowClockDisplay::TrackingLinesShown() {
    std::lock_guard<std::mutex> lock(state_.layoutMutex);
    return state_.layout.trackingLines;
}

void WindowClockDisplay::ShowTrackingLine(int row, const std::string& text, bool aboveHorizon) {
    std::wstring wide = Widen(text);
    {
        std::lock_guard<std::mutex> lock(state_.textMutex);
        auto& kept = state_.trackingLineTexts;
        if (kept.size() <= static_cast<size_t>(row)) kept.resize(static_cast<size_t>(row) + 1);
        kept[static_cast<size_t>(row)] = {wide, aboveHorizon};
    }
    std::lock_guard<std::mutex> lock(state_.layoutMutex);
    DrawTrackingLine(WindowDc(state_).get(), state_, row, wide, aboveHorizon);
}

void DrawTrackingLine(HDC dc, const MainWindowState& state, int row, const std::wstring& text, bool aboveHorizon) {
    const Box& pane = state.layout.trackingPane;
    const int y = pane.top + row * state.display.lineHeight;
    if (y + state.display.lineHeight > pane.bottom) return;
    SetTextColor(dc, aboveHorizon ? RGB(255, 0, 0) : RGB(0, 0, 0));
    TextOutW(dc, pane.left, y, text.c_str(), static_cast<int>(text.size()));
}

void WindowClockDisplay::PlayTrackAosSound() {
    if (trackAosSound_) trackAosSound_();
}

}  // namespace tarvon
