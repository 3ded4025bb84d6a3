#pragma once
// Message boxes owned by the main window, and redraw requests handed to it.
//
// Threads: only the main window's thread ever shows a box. A notice raised on
// any other thread is queued here and the window is posted `noticeMessage`;
// the worker goes on at once, so a station nobody watches never stops on a
// box. Redraw requests from any thread are gathered into a set of targets and
// the window is posted `redrawMessage` once until it takes them.
#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Notices.h"

namespace tarvon {

class Win32Notices final : public Notices {
public:
    // Until a window is attached, boxes have no owner and show on the calling
    // thread (start-up), and redraw requests are dropped (nothing is on screen).
    void Attach(HWND window, UINT noticeMessage, UINT redrawMessage);

    // On a worker thread the box is queued and the answer is the cautious one
    // at once: Ok for an Ok box, No for Yes/No, Cancel otherwise.
    NoticeAnswer Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                      NoticeButtons buttons = NoticeButtons::Ok) override;
    void RequestRedraw(RedrawTarget target) override;

    // Window thread: shows the queued notices one after another. While a box
    // is up its modal loop goes on dispatching, and a notice posted meanwhile
    // waits for the box before it instead of opening over it.
    void ShowQueuedNotices();
    // Window thread: the targets asked for since the last call.
    std::vector<RedrawTarget> TakeRedrawRequests();

private:
    struct Queued {
        std::wstring text;
        std::wstring caption;
        UINT style = 0;
    };
    bool OnWindowThread() const;

    // Written once by Attach before any worker thread exists; read by all.
    std::atomic<HWND> window_{nullptr};
    std::atomic<DWORD> windowThread_{0};
    UINT noticeMessage_ = 0;
    UINT redrawMessage_ = 0;

    std::mutex mutex_;  // guards queue_
    std::deque<Queued> queue_;
    bool showingQueued_ = false;  // window thread only
    std::atomic<unsigned> pendingRedraws_{0};  // one bit per RedrawTarget
};

}  // namespace tarvon
