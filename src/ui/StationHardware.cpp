#include "ui/StationHardware.h"

#include <commctrl.h>

#include "core/PublicIds.h"
#include "core/Settings.h"
#include "hardware/StationSounds.h"
#include "hardware/TrackingController.h"
#include "ui/MainWindow.h"

namespace tarvon {

void WindowTimers::Arm(StationTimer timer, uint32_t ms) {
    PostMessageW(main_.window, WM_TARVON_ARM_TIMER, static_cast<WPARAM>(timer), static_cast<LPARAM>(ms));
}

void WindowTimers::Stop(StationTimer timer) {
    PostMessageW(main_.window, WM_TARVON_STOP_TIMER, static_cast<WPARAM>(timer), 0);
}

StationHardware::StationHardware(StationHardwareServices services)
    : s_(services),
      timers_(services.main),
      rotator({ports_, services.waits, services.notices, timers_, services.settings.general,
               [this] { PlayErrorSound(); }}),
      modem({services.registry, ports_, services.waits, services.notices, timers_, [this] { PlayErrorSound(); }}) {}

void StationHardware::PlayErrorSound() {
    PlayStationSound(s_.registry, s_.sounds, StationSound::Error, "", s_.settings.general.kovaDirectory);
}

void StationHardware::InitRotator(TrackingController& tracking) {
    RotorDisplayPort& display = s_.display;
    rotator.SetHooks({[&tracking] { tracking.StopTrackingLoop(); },
                      [&display](double azimuth, double elevation) { display.ShowRotorPosition(azimuth, elevation); }});
    rotator.InitRotator();
}

void StationHardware::OnTimer(UINT id) {
    switch (static_cast<StationTimer>(id)) {
        case StationTimer::RotatorTimeout: rotator.OnTimeout(); break;
        case StationTimer::DspTimeout: modem.OnTimeout(); break;
        case StationTimer::DspWake: modem.OnWake(); break;
    }
}

void StationHardware::Close() { rotator.CloseRotatorPort(); }

bool HandleHardwareMessage(MainWindowState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TARVON_ARM_TIMER: SetTimer(state.window, wParam, static_cast<UINT>(lParam), nullptr); return true;
        case WM_TARVON_STOP_TIMER: KillTimer(state.window, wParam); return true;
        case WM_TIMER:
            if (wParam != IDT_ROTATOR_TIMEOUT && wParam != IDT_DSP_TIMEOUT && wParam != IDT_DSP_WAKE) return false;
            // Each fires once; the handler may arm it again.
            KillTimer(state.window, wParam);
            if (state.hardware) state.hardware->OnTimer(static_cast<UINT>(wParam));
            return true;
        default: return false;
    }
}

void UpdateRotatorCommand(MainWindowState& state, uint32_t rotatorType) {
    const bool configured = rotatorType != 0;
    EnableMenuItem(state.menu, IDM_ENABLE_ROTATOR, MF_BYCOMMAND | (configured ? MF_ENABLED : MF_GRAYED));
    SendMessageW(state.toolbar, TB_ENABLEBUTTON, IDM_ENABLE_ROTATOR, MAKELPARAM(configured, 0));
}

}  // namespace tarvon
