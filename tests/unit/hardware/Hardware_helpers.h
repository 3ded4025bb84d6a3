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

class RecordingTimers final : public StationTimers {
public:
    void Arm(StationTimer timer, uint32_t ms) override;
    void Stop(StationTimer timer) override;
    // "arm 103 12000", "stop 103", ...
    std::vector<std::string> Requests() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};

// Texts of the message boxes shown, "caption: text".
std::vector<std::string> ShownTexts(const RecordingNotices& notices);

}  // namespace tarvon
