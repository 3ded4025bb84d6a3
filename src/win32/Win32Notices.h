#pragma once
// Message boxes owned by the main window, and redraw requests handed to it.
//
// Threads: only the main window's thread ever shows a box. A notice that
// needs no answer is queued here, whichever thread raises it, and the window
// is posted `noticeMessage`: the caller goes on at once, so neither a worker
// nor start-up ever stops on a box that nobody at an unattended station
// answers. A question is shown at once on the window's thread; another
// thread gets the cautious answer and the question is queued as a notice.
// Redraw requests from any thread are gathered into a set of targets and the
// window is posted `redrawMessage` once until it takes them.
#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Notices.h"

namespace tarvon {

// The MessageBox flags of a notice's icon and buttons.
UINT MessageBoxStyle(NoticeIcon icon, NoticeButtons buttons);

class Win32Notices final : public Notices {
public:
    // Until a window is attached, boxes have no owner and show on the calling
    // thread (start-up), and redraw requests are dropped (nothing is on screen).
    void Attach(HWND window, UINT noticeMessage, UINT redrawMessage);

    // A queued box answers at once: Ok for an Ok box, and for a question
    // raised off the window's thread No for Yes/No, Cancel otherwise.
    NoticeAnswer Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                      NoticeButtons buttons = NoticeButtons::Ok) override;
    void RequestRedraw(RedrawTarget target) override;

    // Window thread: shows the queued notices. While a box is up its modal
    // loop goes on dispatching, so the station stays usable and a notice
    // posted meanwhile opens over it; a few boxes at most are open at once,
    // and a text already waiting or on screen is not added again.
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
    void Queue(std::string_view text, std::string_view caption, NoticeIcon icon);

    // Written once by Attach before any worker thread exists; read by all.
    std::atomic<HWND> window_{nullptr};
    std::atomic<DWORD> windowThread_{0};
    UINT noticeMessage_ = 0;
    UINT redrawMessage_ = 0;

    std::mutex mutex_;  // guards queue_ and onScreen_
    std::deque<Queued> queue_;
    std::vector<Queued> onScreen_;
    std::atomic<unsigned> pendingRedraws_{0};  // one bit per RedrawTarget
};

}  // namespace tarvon
