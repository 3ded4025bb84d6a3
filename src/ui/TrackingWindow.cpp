#include "ui/TrackingWindow.h"

#include <memory>
#include <string>

#include "core/PublicIds.h"
#include "ui/RotorDisplay.h"

namespace tarvon {
namespace {

// Message 2032 from another program names the satellite by a global atom
// (a pointer into the sender's memory would mean nothing here); the atom is
// deleted once read. Stopping needs no name.
void OnStartTrackingMessage(MainWindowState& state, WPARAM stop, LPARAM atom) {
    char name[256] = {};
    if (atom != 0) {
        GlobalGetAtomNameA(static_cast<ATOM>(atom), name, sizeof name);
        GlobalDeleteAtom(static_cast<ATOM>(atom));
    }
    if (stop == 0 && name[0] == 0) return;
    state.tracking->StartTracking(stop != 0, true, name);
}

}  // namespace

bool HandleTrackingMessage(MainWindowState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TARVON_ROTOR_MOVED: UpdateRotorDisplay(state); return true;
        default: break;
    }
    TrackingController* tracking = state.tracking;
    switch (message) {
        case WM_TARVON_SELECT_UPLINK: if (tracking) tracking->SelectLink(static_cast<char>(wParam), true); return true;
        case WM_TARVON_SELECT_DOWNLINK: if (tracking) tracking->SelectLink(static_cast<char>(wParam), false); return true;
        case WM_TARVON_DOWNLINK_OFFSET: if (tracking) tracking->SetFineOffset(static_cast<int32_t>(wParam)); return true;
        case WM_TARVON_START_TRACKING: if (tracking) OnStartTrackingMessage(state, wParam, lParam); return true;
        default: return false;
    }
}

void WindowRotorDisplay::ShowRotorPosition(double azimuth, double elevation) {
    {
        std::lock_guard<std::mutex> lock(state_.rotorMutex);
        state_.rotorAzimuth = azimuth;
        state_.rotorElevation = elevation;
    }
    PostMessageW(state_.window, WM_TARVON_ROTOR_MOVED, 0, 0);
}

}  // namespace tarvon
