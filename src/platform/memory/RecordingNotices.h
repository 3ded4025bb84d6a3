#pragma once
// Notices that nobody sees: every message box and redraw request is recorded,
// and message boxes are answered from a script.
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Notices.h"

namespace tarvon {

struct ShownNotice {
    std::string text;
    std::string caption;
    NoticeIcon icon;
    NoticeButtons buttons;
};

class RecordingNotices final : public Notices {
public:
    // Answers with the next scripted answer, or without one with the box's
    // affirmative button (Ok, or Yes), as a user clicking through would.
    NoticeAnswer Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                      NoticeButtons buttons = NoticeButtons::Ok) override;
    void RequestRedraw(RedrawTarget target) override;

    void ScriptAnswer(NoticeAnswer answer);
    std::vector<ShownNotice> Shown() const;
    std::vector<RedrawTarget> Redraws() const;

private:
    mutable std::mutex mutex_;
    std::deque<NoticeAnswer> answers_;
    std::vector<ShownNotice> shown_;
    std::vector<RedrawTarget> redraws_;
};

}  // namespace tarvon
