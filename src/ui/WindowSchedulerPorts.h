#pragma once
// The main window as the scheduler engine and the clock thread reach it.
// Both run on other threads: they post to the window or draw through a
// device context of their own under the window's layout lock.
#include <windows.h>

#include <functional>

#include "schedule/ClockThread.h"
#include "schedule/SchedulerPorts.h"
#include "ui/MainWindow.h"

namespace tarvon {

class WindowSchedulerUi final : public SchedulerUi {
public:
    explicit WindowSchedulerUi(MainWindowState& state) : state_(state) {}
    void PostRunScheduler() override;
    void PostOpenNotification(std::shared_ptr<SchedulePass> pass) override;
    void PressNotificationOk(uintptr_t notifyWindow) override;
    void CloseProgramWindow(uintptr_t programWindow) override;

private:
    MainWindowState& state_;
};

// Takes the pass that message 2044 carries, once.
std::shared_ptr<SchedulePass> TakeNotifiedPass(LPARAM lParam);

class WindowClockDisplay final : public ClockDisplay {
public:
    WindowClockDisplay(MainWindowState& state, std::function<void()> trackAosSound)
        : state_(state), trackAosSound_(std::move(trackAosSound)) {}
    bool PopupMenuOpen() override;
    void ResetScheduleScroll() override;
    bool Minimised() override;
    void SetTitle(const std::string& title) override;
    void ShowClock(const std::string& clock, const std::string& date, const std::string& nextPassName,
                   const std::string& nextPassCountdown) override;
    int TrackingLinesShown() override;
    void ShowTrackingLine(int row, const std::string& text, bool aboveHorizon) override;
    void PlayTrackAosSound() override;

private:
    MainWindowState& state_;
    std::function<void()> trackAosSound_;
};

// One line of the tracking pane; nothing when the row lies below the pane.
void DrawTrackingLine(HDC dc, const MainWindowState& state, int row, const std::wstring& text, bool aboveHorizon);

// Fills a box with the background and writes one black line at its top left;
// an empty text only clears it.
void FillTextBox(HDC dc, const MainWindowState& state, const Box& box, const std::wstring& text);

// The clock, date and next-pass lines with the texts the clock thread last
// gave; the same drawing for the clock thread and for painting.
void DrawClockBoxes(HDC dc, MainWindowState& state);

}  // namespace tarvon
