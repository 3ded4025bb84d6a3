#pragma once
// The station's serial hardware inside the program: the ports, the rotator
// link and the modem control, wired to the main window. Worker threads never
// touch the window: timer requests are posted to it, and the window hands
// its timers back through OnTimer.
#include <windows.h>

#include "hardware/ModemControl.h"
#include "hardware/RotatorLink.h"
#include "hardware/StationTimers.h"
#include "win32/Win32SerialPorts.h"

namespace tarvon {

struct MainWindowState;
class Notices;
class Registry;
class RotorDisplayPort;
class Sounds;
class TrackingController;
class Waits;
struct Settings;

class WindowTimers final : public StationTimers {
public:
    explicit WindowTimers(MainWindowState& main) : main_(main) {}
    void Arm(StationTimer timer, uint32_t ms) override;
    void Stop(StationTimer timer) override;

private:
    MainWindowState& main_;
};

struct StationHardwareServices {
    MainWindowState& main;
    Registry& registry;
    Waits& waits;
    Notices& notices;  // shown by the window's thread, whoever asks
    Sounds& sounds;
    const Settings& settings;
    RotorDisplayPort& display;
};

class StationHardware {
    // First, so that they outlive the link and the modem that use them.
    StationHardwareServices s_;
    Win32SerialPorts ports_;
    WindowTimers timers_;

public:
    explicit StationHardware(StationHardwareServices services);

    // Start-up: the rotator's communications, its read-back shown in the
    // rotor box, its time-out stopping `tracking`'s loop.
    void InitRotator(TrackingController& tracking);
    // The main window's timer `id` fired (it has been killed already).
    void OnTimer(UINT id);
    // Shutdown: any dialogue ends and the rotator port closes.
    void Close();

    RotatorLink rotator;
    ModemControl modem;

private:
    void PlayErrorSound();
};

// The timer requests (WM_TARVON_ARM_TIMER, WM_TARVON_STOP_TIMER) and the
// hardware's timers; true when `message`
// was one of them.
bool HandleHardwareMessage(MainWindowState& state, UINT message, WPARAM wParam, LPARAM lParam);

// The Enable Rotator menu item and toolbar button: enabled unless the
// rotator type is "None".
void UpdateRotatorCommand(MainWindowState& state, uint32_t rotatorType);

}  // namespace tarvon
