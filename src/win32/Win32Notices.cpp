#include "win32/Win32Notices.h"

#include "win32/Utf8.h"

namespace tarvon {
namespace {

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

}  // namespace

void Win32Notices::SetRedrawHandler(std::function<void(RedrawTarget)> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    redraw_ = std::move(handler);
}

NoticeAnswer Win32Notices::Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                                NoticeButtons buttons) {
    int answer = MessageBoxW(owner_.load(), Widen(text).c_str(), Widen(caption).c_str(),
                             IconStyle(icon) | ButtonStyle(buttons));
    switch (answer) {
        case IDYES: return NoticeAnswer::Yes;
        case IDNO: return NoticeAnswer::No;
        case IDOK: return NoticeAnswer::Ok;
        default: return buttons == NoticeButtons::Ok ? NoticeAnswer::Ok : NoticeAnswer::Cancel;
    }
}

void Win32Notices::RequestRedraw(RedrawTarget target) {
    std::function<void(RedrawTarget)> handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        handler = redraw_;
    }
    if (handler) handler(target);
}

}  // namespace tarvon
