#pragma once
// The station log as a plain text file in the suite directory: one line per
// record, each starting with its UTC time, appended as it happens so that a
// crash loses nothing already recorded. When the file would grow beyond its
// limit it becomes the previous file (replacing the one before) and a new
// file starts, so the log never fills the disk.
#include <cstdint>
#include <filesystem>
#include <mutex>

#include "platform/StationLog.h"

namespace tarvon {

class Clock;

constexpr const char* kStationLogFileName = "Tarvon.log";
constexpr const char* kPreviousStationLogFileName = "Tarvon Previous.log";
constexpr uintmax_t kStationLogLimitBytes = 1024 * 1024;

class StationLogFile final : public StationLog {
public:
    explicit StationLogFile(Clock& clock, uintmax_t limitBytes = kStationLogLimitBytes)
        : clock_(clock), limit_(limitBytes) {}

    // Records go to the log of this folder from now on; before the first call
    // they are dropped (there is no suite directory to put them in yet).
    void Open(const std::filesystem::path& folder);

    void Record(std::string_view text) override;

private:
    Clock& clock_;
    const uintmax_t limit_;
    std::mutex mutex_;
    std::filesystem::path file_;
    std::filesystem::path previous_;
};

}  // namespace tarvon
