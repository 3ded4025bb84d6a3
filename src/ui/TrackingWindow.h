#pragma once
// The tracking controller and the main window: the messages other programs
// send about tracking, and the rotor box fed from the tracking threads.
#include <windows.h>

#include "hardware/TrackingController.h"
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

}  // namespace tarvon
