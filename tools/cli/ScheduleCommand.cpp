#include <algorithm>
#include <cstdio>
#include <ostream>

#include "CliArgs.h"
#include "CliDispatch.h"
#include "StationArgs.h"
#include "core/FileReplace.h"
#include "core/Utf8Path.h"
#include "core/ProcessState.h"
#include "core/SettingsStore.h"
#include "orbit/KepsDatabase.h"
#include "orbit/ObserverGeometry.h"
#include "passrun/ScheduledEvents.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RegExportFile.h"
#include "platform/memory/ScriptedWaits.h"
#include "schedule/DryRun.h"
#include "schedule/OrbitPassSource.h"
#include "schedule/ScheduleBuilder.h"

namespace tarvon::cli {
namespace {

constexpr const char* kHelp =
    "usage: tarvon-cli schedule --reg FILE --keps FILE --start TIME --days N [--simulate]\n"
    "                           [--schedule-file FILE] [--program-exits S]\n"
    "Builds the schedule the station would have: its satellites, settings and events\n"
    "from a registry export of SOFTWARE\\Kova (.reg), its element database from\n"
    "Kova.KEP, looking N days ahead of the start. Prints the schedule list and, with\n"
    "--simulate, runs the scheduler over those days with a modelled pass runner and\n"
    "prints every decision with its time.\n"
    "  --start TIME          Unix seconds or ISO UTC time (2026-05-11T12:00:00Z)\n"
    "  --days N              the schedule horizon and the simulated time, 1 to 30 days\n"
    "  --schedule-file FILE  a Kova Schedule.DAT to load, as at start-up\n"
    "  --program-exits S     the satellite program exits by itself S seconds after its\n"
    "                        start (default: only when the pass is ended)\n";

// Message boxes become lines of the output.
class PrintedNotices final : public Notices {
public:
    explicit PrintedNotices(std::ostream& out) : out_(out) {}
    NoticeAnswer Show(std::string_view text, std::string_view caption, NoticeIcon, NoticeButtons) override {
        out_ << "message [" << caption << "]: " << Printable(std::string(text)) << "\n";
        return NoticeAnswer::Ok;
    }
    void RequestRedraw(RedrawTarget) override {}

private:
    std::ostream& out_;
};

void PrintSchedule(std::ostream& out, const PassList& passes) {
    out << "satellite    aos                  los                  max_el priority state listen elev_ok overhead\n";
    for (const PassRef& p : passes) {
        char line[320];  // room for a name with every byte escaped
        std::snprintf(line, sizeof line, "%-12s %-20s %-20s %6d %8d %5d %6d %7d %8d\n", Printable(p->satName).c_str(),
                      FormatIsoTime(p->aos).c_str(), FormatIsoTime(p->los).c_str(), p->maxElevation, p->priority,
                      p->state, p->listenOnly, p->elevationOk, p->overhead);
        out << line;
    }
}

void PrintLog(std::ostream& out, const std::vector<DryRunEntry>& log) {
    for (const DryRunEntry& e : log) {
        out << FormatIsoTime(e.time) << "  " << e.what;
        if (!e.satName.empty()) out << "  " << Printable(e.satName);
        out << "\n";
    }
}

}  // namespace

int RunSchedule(const CommandArgs& argList, std::ostream& out, std::ostream& err) {
    const CliArgs args(argList, {"--reg", "--keps", "--start", "--days", "--schedule-file", "--program-exits"},
                       {"--simulate"});
    if (args.Help()) {
        out << kHelp;
        return 0;
    }
    if (!args.Positionals().empty()) throw CliError("unexpected argument '" + args.Positionals()[0] + "'");
    const int32_t start = ParseTime(args.Required("--start"), "--start");
    const int64_t days = ParseInteger(args.Required("--days"), "--days");
    if (days < 1 || days > 30) throw CliError("--days must lie between 1 and 30");
    if (int64_t(start) + days * 86400 >= kNever) throw CliError("the schedule would run past 2038");
    ModelledProgram program;
    if (auto exits = args.Value("--program-exits")) {
        program.exitsAfter = int32_t(std::clamp<int64_t>(ParseInteger(*exits, "--program-exits"), 0, 86400));
    }

    std::vector<uint8_t> regBytes;
    const std::string regFile = args.Required("--reg");
    if (!ReadWholeFile(PathFromUtf8(regFile), regBytes)) throw CliError("cannot read registry export '" + regFile + "'");
    MemoryRegistry registry;
    if (!ReadRegFile(regBytes, registry).recognised) throw CliError("'" + regFile + "' is not a registry export");

    FakeClock clock(int64_t(start) * 1000);
    Settings settings;
    if (!LoadSettings(registry, clock, settings)) throw CliError("the export holds no SOFTWARE\\Kova\\General key");
    settings.general.scheduleSeconds = uint32_t(days * 86400);
    const KepsDatabase db = LoadExistingKeps(args, err);

    ScriptedWaits waits(&clock);
    PrintedNotices notices(out);
    MemoryStationLog log;
    PlatformServices platform{registry, clock, waits, notices, log};
    SyncObjects sync;
    RunFlags flags;
    OrbitPassSource source(db, ObserverFromStation(settings.station), PassSettingsFromRotator(settings.general), clock);
    DryRunWorld world(clock, program);
    EventLists events;
    LoadScheduledEvents(registry, start, events);
    world.timedEvents = [&](int32_t now, int32_t& wake, int32_t& listed, std::vector<std::string>& due) {
        const TimerWalkResult walk = RunDueTimedEvents(events, now, [&](const std::string& name) { due.push_back(name); });
        listed += int32_t(walk.displayedCount);
        wake = int32_t(std::min<int64_t>(wake, walk.earliestNextRun));
    };
    world.beforePassLead = [&](const std::string& name) { return int32_t(MaxBeforePassLead(events, name)); };
    ScheduleState state(ScheduleServices{platform, sync, flags, settings, source, world, world, true});
    world.Attach(state);

    BuildSchedule(state, args.Value("--schedule-file").value_or(""));
    PrintSchedule(out, state.passes);
    if (!args.Flag("--simulate")) return 0;

    out << "\ndecisions\n";
    state.engine.nextWakeTime = 0;
    world.RunUntil(int32_t(start + days * 86400));
    PrintLog(out, world.Log());
    return 0;
}

}  // namespace tarvon::cli
