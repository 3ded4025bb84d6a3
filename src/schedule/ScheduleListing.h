#pragma once
// The lines of the schedule pane: the displayed timed events and the passes
// that have not ended, merged in time order, with their texts and colours;
// and the lines of the printed schedule.
#include <cstdint>
#include <string>
#include <vector>

#include "schedule/ScheduleState.h"

namespace tarvon {

struct ScheduleEvent;

// The column header of the schedule pane and the title of its printout.
constexpr const char* kScheduleHeader = "Satellite     P El Start Time         Finish Time";

struct ListingLine {
    std::string text;
    uint32_t rgb;   // 0xRRGGBB
    PassRef pass;   // the pass of the line; empty for an event
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

// Every pass, ended ones included, with a line of one blank before a pass
// whose LOS falls on another day than the LOS before it. The caller holds
// ScheduleLock.
std::vector<std::string> SchedulePrintLines(const PassList& passes, const ListingFormat& format);

}  // namespace tarvon
