#pragma once
// A station log kept in memory, for tests: the recorded texts, without times.
#include <mutex>
#include <string>
#include <vector>

#include "platform/StationLog.h"

namespace tarvon {

class MemoryStationLog final : public StationLog {
public:
    void Record(std::string_view text) override {
        std::lock_guard<std::mutex> lock(mutex_);
        lines_.emplace_back(text);
    }
    std::vector<std::string> Lines() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

}  // namespace tarvon
