#include "schedule/ScheduleListing.h"

#include <cstdio>

#include "core/TimeFormat.h"
#include "passrun/ScheduledEvents.h"

namespace tarvon {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kDarkRed = 0xC00000;
constexpr size_t kTimeBuffer = 18;

std::string ShownTime(int64_t t, const ListingFormat& f) {
    const int32_t clamped = static_cast<int32_t>(t > kNever ? kNever : t);
    return FormatUnixTime(DisplayTime(clamped, f.displayUtc, f.biasSeconds), f.dateTimeFormat.c_str(),
                          kTimeBuffer);
}

ListingLine EventLine(const ScheduleEvent& event, const ListingFormat& f) {
    char text[128];
    std::snprintf(text, sizeof text, "%-25s             %s", event.name.c_str(),
                  ShownTime(event.nextRun, f).c_str());
    return {text, kBlack};
}

ListingLine PassLine(const SchedulePass& pass, int32_t now, const ListingFormat& f) {
    char priority[16] = "";
    if (pass.state == 0) {
        if (pass.priority == 0) {
            std::snprintf(priority, sizeof priority, "M");
        } else {
            std::snprintf(priority, sizeof priority, "%d", pass.priority);
        }
    }
    char text[128];
    std::snprintf(text, sizeof text, "%-12s %2s %2d %s  %s", pass.satName.c_str(), priority,
                  pass.maxElevation, ShownTime(pass.aos, f).c_str(), ShownTime(pass.los, f).c_str());
    const bool runnable = pass.state == 0 && (pass.elevationOk || pass.runRegardlessOfElevation);
    const bool started = now >= pass.aos;
    const uint32_t rgb = runnable ? (started ? kRed : kBlack) : (started ? kDarkRed : kGrey);
    return {text, rgb};
}

}  // namespace

std::vector<ListingLine> BuildScheduleListing(const PassList& passes,
                                              const std::vector<ScheduleEvent*>& timers, int32_t now,
                                              const ListingFormat& format) {
    std::vector<ListingLine> lines;
    auto event = timers.begin();
    auto pass = passes.begin();
    while (event != timers.end() || pass != passes.end()) {
        const bool takeEvent =
            event != timers.end() && (pass == passes.end() || (*event)->nextRun <= (*pass)->aos);
        if (takeEvent) {
            if ((*event)->display) lines.push_back(EventLine(**event, format));
            ++event;
        } else {
            if ((*pass)->los >= now) lines.push_back(PassLine(**pass, now, format));
            ++pass;
        }
    }
    return lines;
}

}  // namespace tarvon
