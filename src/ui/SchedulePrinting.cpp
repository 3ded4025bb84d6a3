#include "ui/SchedulePrinting.h"

#include "schedule/ScheduleListing.h"
#include "ui/ListPrinting.h"

namespace tarvon {

void PrintSchedule(MainWindowState& state) {
    const Settings& s = *state.settings;
    const ListingFormat format{s.dateTimeFormat, s.general.displayTime == 1, s.timeZoneBiasSeconds};
    // The lines are taken at once, so the scheduler is not held up while the
    // printer works and a schedule rebuilt meanwhile cannot tear the printout.
    std::vector<std::string> lines;
    {
        std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
        lines = SchedulePrintLines(state.schedule->passes, format);
    }
    PrintList(state.window, ListPrint{"Tarvon - Schedule", std::string(kScheduleHeader), std::nullopt, &lines, {}});
}

}  // namespace tarvon
