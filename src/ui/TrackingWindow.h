#pragma once
// The tracking controller and the main window: the messages other programs
// send about tracking, the rotor box fed from the tracking threads, and the
// controller's messages shown by the window's thread.
#include <windows.h>

#include "hardware/TrackingController.h"
#include "platform/Notices.h"
#include "platform/StationLog.h"
#include "ui/MainWindow.h"

namespace tarvon {

// Messages 2031, 2032, 2039 and 2040 and the station's own tracking messages;
// false for any other message.
bool HandleTrackingMessage(MainWindowState& state, UINT message, WPARAM wParam, LPARAM lParam);

// Stores the position and asks the window's thread to redraw the rotor box.
class WindowRotorDisplay final : public RotorDisplayPort {
public:
    explicit WindowRotorDisplay(MainWindowState& state) : state_(state) {}
    void ShowRotorPosition(double azimuth, double elevation) override;

private:
    MainWindowState& state_;
};

// Message boxes shown by the main window's thread, whichever thread reports:
// a failure is told without holding the pass runner or start-up until
// somebody answers it. Only plain OK boxes can be posted; others are shown
// at once.
class PostedNotices final : public Notices {
public:
    PostedNotices(Notices& shown, StationLog& log, MainWindowState& state)
        : shown_(shown), log_(log), state_(state) {}
    NoticeAnswer Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                      NoticeButtons buttons = NoticeButtons::Ok) override;
    void RequestRedraw(RedrawTarget target) override { shown_.RequestRedraw(target); }

private:
    Notices& shown_;
    StationLog& log_;
    MainWindowState& state_;
};

}  // namespace tarvon
