#include "Hardware_helpers.h"

namespace tarvon {

void RecordingTimers::Arm(StationTimer timer, uint32_t ms) {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back("arm " + std::to_string(static_cast<uint32_t>(timer)) + " " + std::to_string(ms));
}

void RecordingTimers::Stop(StationTimer timer) {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back("stop " + std::to_string(static_cast<uint32_t>(timer)));
}

std::vector<std::string> RecordingTimers::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

std::vector<std::string> ShownTexts(const RecordingNotices& notices) {
    std::vector<std::string> texts;
    for (const ShownNotice& n : notices.Shown()) texts.push_back(n.caption + ": " + n.text);
    return texts;
}

}  // namespace tarvon
