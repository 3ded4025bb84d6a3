#pragma once
// The lines of the schedule pane: the displayed timed events and the passes
// that have not ended, merged in time order, with their texts and colours.
#include <cstdint>
#include <string>
#include <vector>

#include "schedule/ScheduleState.h"

namespace tarvon {

struct ScheduleEvent;

struct ListingLine {
    std::string text;
    uint32_t rgb;  // 0xRRGGBB
};

struct ListingFormat {
    std::string dateTimeFormat;  // the station's DateTimeFormat
    bool displayUtc = true;
    int32_t biasSeconds = 0;
};

// The caller holds ScheduleLock. `timers` is the timer list in run order.
std::vector<ListingLine> BuildScheduleListing(const PassList& passes,
                                              const std::vector<ScheduleEvent*>& timers, int32_t now,
                                              const ListingFormat& format);

}  // namespace tarvon
