#include "ui/PostedRequests.h"

#include "ui/SchedulePane.h"
#include "win32/Win32Notices.h"

namespace tarvon {
namespace {

void Invalidate(HWND window, const Box& box) {
    RECT r{box.left, box.top, box.right, box.bottom};
    InvalidateRect(window, &r, TRUE);
}

}  // namespace

void OnRedrawRequests(MainWindowState& state) {
    if (!state.notices) return;
    for (RedrawTarget target : state.notices->TakeRedrawRequests()) {
        switch (target) {
            case RedrawTarget::MainWindow: InvalidateRect(state.window, nullptr, TRUE); break;
            case RedrawTarget::SchedulePane:
                // The pane's painting also writes the next pass's name.
                Invalidate(state.window, state.layout.schedulePane);
                Invalidate(state.window, state.layout.nextPassUpper);
                break;
            case RedrawTarget::TrackingPane: Invalidate(state.window, state.layout.trackingPane); break;
            case RedrawTarget::MapWindow:
                if (HWND map = FindWindowW(kMapWindowClass, nullptr)) InvalidateRect(map, nullptr, TRUE);
                break;
        }
    }
}

void OnScrollHome(MainWindowState& state) {
    state.scheduleTop = 0;
    SetScrollPos(state.scrollBar, SB_CTL, 0, TRUE);
    RedrawSchedulePane(state);
}

void OnSetTitle(MainWindowState& state) {
    std::wstring title;
    {
        std::lock_guard<std::mutex> lock(state.textMutex);
        title = state.titleText;
    }
    SetWindowTextW(state.window, title.c_str());
}

}  // namespace tarvon
