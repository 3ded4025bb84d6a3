#include "ui/SchedulerWindowLink.h"

#include <memory>

#include "core/PublicIds.h"
#include "ui/PassDialogIds.h"

namespace tarvon {

void WindowSchedulerUi::PostRunScheduler() { PostMessageW(mainWindow_, WM_TARVON_RUN_SCHEDULER, 0, 0); }

void WindowSchedulerUi::PostOpenNotification(std::shared_ptr<SchedulePass> pass) {
    auto carried = std::make_unique<PassRef>(std::move(pass));
    if (PostMessageW(mainWindow_, WM_TARVON_NOTIFY_PASS, 0, reinterpret_cast<LPARAM>(carried.get()))) {
        carried.release();
    }
}

void WindowSchedulerUi::PressNotificationOk(uintptr_t notifyWindow) {
    PostMessageW(reinterpret_cast<HWND>(notifyWindow), WM_COMMAND, IDC_NOTIFY_OK, 0);
}

void WindowSchedulerUi::CloseProgramWindow(uintptr_t programWindow) {
    PostMessageW(reinterpret_cast<HWND>(programWindow), WM_CLOSE, 0, 0);
}

PassRef TakeNotifiedPass(LPARAM lParam) {
    std::unique_ptr<PassRef> carried(reinterpret_cast<PassRef*>(lParam));
    return carried ? *carried : nullptr;
}

}  // namespace tarvon
