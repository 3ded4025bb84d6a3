#include <cstdio>
#include <ostream>

#include "CliArgs.h"
#include "CliDispatch.h"
#include "core/FileReplace.h"
#include "core/Utf8Path.h"
#include "schedule/ScheduleFile.h"

namespace tarvon::cli {
namespace {

constexpr const char* kHelp =
    "usage: tarvon-cli dump FILE\n"
    "Prints a \"Kova Schedule.DAT\" record by record, every field. Times are Unix\n"
    "seconds followed by their ISO UTC form.\n";

std::string Time(int32_t t) { return std::to_string(t) + " (" + FormatIsoTime(t) + ")"; }

void PrintRecord(std::ostream& out, size_t index, const SchedulePass& p) {
    out << "record " << index << "\n"
        << "  satName                  " << Printable(p.satName) << "\n"
        << "  aos                      " << Time(p.aos) << "\n"
        << "  los                      " << Time(p.los) << "\n"
        << "  minPassTime              " << p.minPassTime << "\n"
        << "  startLead                " << p.startLead << "\n"
        << "  runNow                   " << p.runNow << "\n"
        << "  endedByScheduler         " << p.endedByScheduler << "\n"
        << "  maxElevation             " << p.maxElevation << "\n"
        << "  priority                 " << p.priority << "\n"
        << "  effectivePriority        " << p.effectivePriority << "\n"
        << "  state                    " << p.state << "\n"
        << "  overhead                 " << p.overhead << "\n"
        << "  listenOnly               " << p.listenOnly << "\n"
        << "  elevationOk              " << p.elevationOk << "\n"
        << "  ignorePassChecking       " << p.ignorePassChecking << "\n"
        << "  runRegardlessOfElevation " << p.runRegardlessOfElevation << "\n"
        << "  notified                 " << p.notified << "\n"
        << "  lastRunEnd               " << Time(p.lastRunEnd) << "\n";
}

}  // namespace

int RunDump(const CommandArgs& argList, std::ostream& out, std::ostream&) {
    const CliArgs args(argList, {}, {});
    if (args.Help()) {
        out << kHelp;
        return 0;
    }
    if (args.Positionals().size() != 1) throw CliError("one schedule file is needed");
    const std::string file = args.Positionals()[0];
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(PathFromUtf8(file), bytes)) throw CliError("cannot read schedule file '" + file + "'");
    if (bytes.size() < 2) {
        out << "no format word: the station loads nothing from this file\n";
        return 1;
    }
    const unsigned word = bytes[0] | (bytes[1] << 8);
    out << "format word " << word << "\n";
    if (word != kScheduleFormatWord) {
        out << "not " << kScheduleFormatWord << ": the station loads nothing from this file\n";
        return 1;
    }
    const size_t records = (bytes.size() - 2 + kSchedulePassBytes - 1) / kSchedulePassBytes;
    out << records << " record(s)";
    if ((bytes.size() - 2) % kSchedulePassBytes != 0) out << ", the last one short (its missing bytes read as zero)";
    out << "\n";
    size_t index = 0;
    for (const SchedulePass& p : DecodeScheduleFile(bytes)) PrintRecord(out, index++, p);
    return 0;
}

}  // namespace tarvon::cli
