#pragma once
// Message boxes owned by the main window, and redraw requests handed to
// whatever the user interface registers (it posts or invalidates, so any
// thread may ask).
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>

#include "platform/Notices.h"

namespace tarvon {

class Win32Notices final : public Notices {
public:
    // Until an owner is set, boxes have none.
    void SetOwner(HWND owner) { owner_.store(owner); }
    void SetRedrawHandler(std::function<void(RedrawTarget)> handler);

    NoticeAnswer Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                      NoticeButtons buttons = NoticeButtons::Ok) override;
    // Dropped while no handler is registered: nothing is on screen yet.
    void RequestRedraw(RedrawTarget target) override;

private:
    std::atomic<HWND> owner_{nullptr};
    std::mutex mutex_;
    std::function<void(RedrawTarget)> redraw_;
};

}  // namespace tarvon
