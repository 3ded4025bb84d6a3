#pragma once
// The engine's window messages: 2043 and 2044 to the main window, OK to a
// notification dialog, WM_CLOSE to the satellite program.
#include <windows.h>

#include "schedule/ScheduleState.h"

namespace tarvon {

class WindowSchedulerUi final : public SchedulerUi {
public:
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    void PostRunScheduler() override;
    // lParam carries the pass; the main window takes it with TakeNotifiedPass.
    void PostOpenNotification(std::shared_ptr<SchedulePass> pass) override;
    void PressNotificationOk(uintptr_t notifyWindow) override;
    void CloseProgramWindow(uintptr_t programWindow) override;

private:
    HWND mainWindow_ = nullptr;
};

// The pass of a message 2044, owned by the caller from now on.
PassRef TakeNotifiedPass(LPARAM lParam);

}  // namespace tarvon
