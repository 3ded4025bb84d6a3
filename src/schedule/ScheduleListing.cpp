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
    return {text, kBlack, nullptr};
}

std::string PassText(const SchedulePass& pass, const std::string& priority, const ListingFormat& f) {
    char text[128];
    std::snprintf(text, sizeof text, "%-12s %2s %2d %s  %s", pass.satName.c_str(), priority.c_str(),
                  pass.maxElevation, ShownTime(pass.aos, f).c_str(), ShownTime(pass.los, f).c_str());
    return text;
}

ListingLine PassLine(const PassRef& pass, int32_t now, const ListingFormat& f) {
    std::string priority;
    if (pass->state == 0) priority = pass->priority == 0 ? "M" : std::to_string(pass->priority);
    const bool runnable = pass->state == 0 && (pass->elevationOk || pass->runRegardlessOfElevation);
    const bool started = now >= pass->aos;
    const uint32_t rgb = runnable ? (started ? kRed : kBlack) : (started ? kDarkRed : kGrey);
    return {PassText(*pass, priority, f), rgb, pass};
}

// Whole days of the shown time, so that a day ends at the shown midnight.
int64_t ShownDay(int32_t t, const ListingFormat& f) {
    const int64_t shown = DisplayTime(t, f.displayUtc, f.biasSeconds);
    return shown >= 0 ? shown / 86400 : (shown - 86399) / 86400;
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
            if ((*pass)->los >= now) lines.push_back(PassLine(*pass, now, format));
            ++pass;
        }
    }
    return lines;
}

std::vector<std::string> SchedulePrintLines(const PassList& passes, const ListingFormat& format) {
    std::vector<std::string> lines;
    const SchedulePass* previous = nullptr;
    for (const PassRef& pass : passes) {
        if (previous && ShownDay(pass->los, format) != ShownDay(previous->los, format)) lines.emplace_back(" ");
        lines.push_back(PassText(*pass, pass->priority < 100 ? std::to_string(pass->priority) : "", format));
        previous = pass.get();
    }
    return lines;
}

}  // namespace tarvon
