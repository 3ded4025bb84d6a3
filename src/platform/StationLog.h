#pragma once
// The station's own record of what it did and what went wrong: passes worked,
// event runs, messages shown, exceptions caught. An operator reads it in the
// morning to learn what happened overnight. Any thread may record.
#include <string_view>

namespace tarvon {

class StationLog {
public:
    virtual ~StationLog() = default;
    // One line; the log adds the time.
    virtual void Record(std::string_view text) = 0;
};

}  // namespace tarvon
