#pragma once
// No exception crosses a thread entry, window procedure or dialog procedure:
// each runs its work through this barrier, which records what it caught in
// the station log (the log adds the time) instead of ending the process or
// losing it silently.
#include <exception>
#include <string_view>

#include "platform/StationLog.h"

namespace tarvon {

// Records an exception caught at `place` ("clock thread", "pass runner", ...).
void RecordException(StationLog& log, std::string_view place, std::string_view what);

// Runs `work`; true when it ended without an exception.
template <typename Work>
bool RunGuarded(StationLog& log, std::string_view place, Work&& work) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        RecordException(log, place, e.what());
    } catch (...) {
        RecordException(log, place, "an exception of unknown type");
    }
    return false;
}

}  // namespace tarvon
