#include "platform/memory/RecordingNotices.h"

namespace tarvon {

NoticeAnswer RecordingNotices::Show(std::string_view text, std::string_view caption,
                                    NoticeIcon icon, NoticeButtons buttons) {
    std::lock_guard<std::mutex> lock(mutex_);
    shown_.push_back({std::string(text), std::string(caption), icon, buttons});
    if (!answers_.empty()) {
        NoticeAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    bool yesNo = buttons == NoticeButtons::YesNo || buttons == NoticeButtons::YesNoCancel;
    return yesNo ? NoticeAnswer::Yes : NoticeAnswer::Ok;
}

void RecordingNotices::RequestRedraw(RedrawTarget target) {
    std::lock_guard<std::mutex> lock(mutex_);
    redraws_.push_back(target);
}

void RecordingNotices::ScriptAnswer(NoticeAnswer answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    answers_.push_back(answer);
}

std::vector<ShownNotice> RecordingNotices::Shown() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return shown_;
}

std::vector<RedrawTarget> RecordingNotices::Redraws() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return redraws_;
}

}  // namespace tarvon
