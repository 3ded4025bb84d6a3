#include "win32/Win32Notices.h"

#include <algorithm>

#include "win32/Utf8.h"

namespace tarvon {
namespace {

// Notices waiting for the window beyond this many are only in the station
// log (every notice is recorded there before it gets here): a station left
// alone overnight must not build a pile of boxes for the morning.
constexpr size_t kMaxQueuedNotices = 20;
// Each open box is a modal loop nested in the one before.
constexpr size_t kMaxBoxesAtOnce = 4;

UINT IconStyle(NoticeIcon icon) {
    switch (icon) {
        case NoticeIcon::Information: return MB_ICONINFORMATION;
        case NoticeIcon::Exclamation: return MB_ICONEXCLAMATION;
        case NoticeIcon::Error: return MB_ICONERROR;
        case NoticeIcon::Question: return MB_ICONQUESTION;
        case NoticeIcon::None: break;
    }
    return 0;
}

UINT ButtonStyle(NoticeButtons buttons) {
    switch (buttons) {
        case NoticeButtons::OkCancel: return MB_OKCANCEL;
        case NoticeButtons::YesNo: return MB_YESNO;
        case NoticeButtons::YesNoCancel: return MB_YESNOCANCEL;
        case NoticeButtons::Ok: break;
    }
    return MB_OK;
}

NoticeAnswer CautiousAnswer(NoticeButtons buttons) {
    switch (buttons) {
        case NoticeButtons::Ok: return NoticeAnswer::Ok;
        case NoticeButtons::YesNo: return NoticeAnswer::No;
        default: return NoticeAnswer::Cancel;
    }
}

unsigned BitOf(RedrawTarget target) { return 1u << static_cast<unsigned>(target); }

}  // namespace

UINT MessageBoxStyle(NoticeIcon icon, NoticeButtons buttons) { return IconStyle(icon) | ButtonStyle(buttons); }

void Win32Notices::Attach(HWND window, UINT noticeMessage, UINT redrawMessage) {
    noticeMessage_ = noticeMessage;
    redrawMessage_ = redrawMessage;
    windowThread_.store(GetWindowThreadProcessId(window, nullptr));
    window_.store(window);
}

bool Win32Notices::OnWindowThread() const { return windowThread_.load() == GetCurrentThreadId(); }

void Win32Notices::Queue(std::string_view text, std::string_view caption, NoticeIcon icon) {
    Queued notice{Widen(text), Widen(caption), IconStyle(icon) | MB_OK};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto same = [&](const Queued& q) { return q.text == notice.text && q.caption == notice.caption; };
        if (std::any_of(queue_.begin(), queue_.end(), same) || std::any_of(onScreen_.begin(), onScreen_.end(), same) ||
            queue_.size() >= kMaxQueuedNotices)
            return;
        queue_.push_back(std::move(notice));
    }
    // A window already gone (shutdown) leaves the notice in the log only.
    PostMessageW(window_.load(), noticeMessage_, 0, 0);
}

NoticeAnswer Win32Notices::Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                                NoticeButtons buttons) {
    HWND window = window_.load();
    if (window && (buttons == NoticeButtons::Ok || !OnWindowThread())) {
        Queue(text, caption, icon);
        return CautiousAnswer(buttons);
    }
    int answer = MessageBoxW(window, Widen(text).c_str(), Widen(caption).c_str(), IconStyle(icon) | ButtonStyle(buttons));
    switch (answer) {
        case IDYES: return NoticeAnswer::Yes;
        case IDNO: return NoticeAnswer::No;
        case IDOK: return NoticeAnswer::Ok;
        default: return buttons == NoticeButtons::Ok ? NoticeAnswer::Ok : NoticeAnswer::Cancel;
    }
}

void Win32Notices::ShowQueuedNotices() {
    for (;;) {
        Queued notice;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (queue_.empty() || onScreen_.size() >= kMaxBoxesAtOnce) return;
            notice = std::move(queue_.front());
            queue_.pop_front();
            onScreen_.push_back(notice);
        }
        MessageBoxW(window_.load(), notice.text.c_str(), notice.caption.c_str(), notice.style);
        std::lock_guard<std::mutex> lock(mutex_);
        auto shown = std::find_if(onScreen_.begin(), onScreen_.end(), [&](const Queued& q) {
            return q.text == notice.text && q.caption == notice.caption;
        });
        if (shown != onScreen_.end()) onScreen_.erase(shown);
    }
}

void Win32Notices::RequestRedraw(RedrawTarget target) {
    HWND window = window_.load();
    if (!window) return;
    const unsigned before = pendingRedraws_.fetch_or(BitOf(target));
    if (before == 0) PostMessageW(window, redrawMessage_, 0, 0);
}

std::vector<RedrawTarget> Win32Notices::TakeRedrawRequests() {
    const unsigned pending = pendingRedraws_.exchange(0);
    std::vector<RedrawTarget> targets;
    for (RedrawTarget t : {RedrawTarget::MainWindow, RedrawTarget::SchedulePane, RedrawTarget::TrackingPane,
                           RedrawTarget::MapWindow}) {
        if (pending & BitOf(t)) targets.push_back(t);
    }
    return targets;
}

}  // namespace tarvon
