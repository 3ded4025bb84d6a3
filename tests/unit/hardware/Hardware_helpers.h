#pragma once
// What the rotator and modem tests share: a serial device on a script, the
// main window's timers as a list of requests, and the services around them.
#include <mutex>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "hardware/StationTimers.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/ScriptedSerialPorts.h"
#include "platform/memory/ScriptedWaits.h"

namespace tarvon {

using Strings = std::vector<std::string>;

class RecordingTimers final : public StationTimers {
public:
    void Arm(StationTimer timer, uint32_t ms) override { Note("arm " + Id(timer) + " " + std::to_string(ms)); }
    void Stop(StationTimer timer) override { Note("stop " + Id(timer)); }
    // "arm 103 12000", "stop 103", ...
    std::vector<std::string> Requests() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

private:
    static std::string Id(StationTimer timer) { return std::to_string(static_cast<uint32_t>(timer)); }
    void Note(std::string request) {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(std::move(request));
    }
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};

// Texts of the message boxes shown, "caption: text".
inline std::vector<std::string> ShownTexts(const RecordingNotices& notices) {
    std::vector<std::string> texts;
    for (const ShownNotice& n : notices.Shown()) texts.push_back(n.caption + ": " + n.text);
    return texts;
}

}  // namespace tarvon
