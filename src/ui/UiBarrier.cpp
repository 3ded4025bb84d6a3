#include "ui/UiBarrier.h"

#include <exception>

#include "core/ExceptionBarrier.h"
#include "ui/MainWindow.h"

namespace tarvon {
namespace {

StationLog* StationLogOfMainWindow() {
    HWND main = FindWindowW(kMainWindowClass, nullptr);
    DWORD process = 0;
    if (!main || !GetWindowThreadProcessId(main, &process) || process != GetCurrentProcessId()) return nullptr;
    auto* state = reinterpret_cast<MainWindowState*>(GetWindowLongPtrW(main, GWLP_USERDATA));
    return state ? state->log : nullptr;
}

}  // namespace

void RecordCaughtInWindow(const char* place) noexcept {
    try {
        StationLog* log = StationLogOfMainWindow();
        if (!log) return;
        try {
            throw;
        } catch (const std::exception& e) {
            RecordException(*log, place, e.what());
        } catch (...) {
            RecordException(*log, place, "an exception of unknown type");
        }
    } catch (...) {
        // Recording failed too (no memory); nothing more can be done here.
    }
}

}  // namespace tarvon
