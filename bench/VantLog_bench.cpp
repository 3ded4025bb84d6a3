// Opening a 50 MB VANT log: reading the file and finding its sessions, which
// the log viewer does before it shows the first row.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/FileReplace.h"
#include "maint/VantLog.h"

namespace tarvon {
namespace {

constexpr size_t kLogBytes = 50u << 20;

// A busy station's log: each session with an upload and directory lines
// between them, and every tenth pass cut short.
std::string FiftyMegabyteLog() {
    const std::string session =
        "Session started at 10:02:33 13-May-2026\r\nTOTAL bytes moved  :    97280\r\n"
        "Average BPS        :   402\r\nEFFICIENCY         :  79%\r\nUploads Made\r\n"
        "    G0TST1.UL 40k   40960 bytes in        101 s, average speed:     405|OK\r\n"
        "Session closed at 10:14:59\r\n";
    const std::string between =
        "10:15:02 Directory: 14 new entries, 2 holes left\r\n10:15:03 File 5A21 downloaded, 20480 bytes\r\n";
    const std::string cut = "Session started at 11:40:00 13-May-2026\r\nTOTAL bytes moved  :     4096\r\n";
    std::string log;
    log.reserve(kLogBytes + 1024);
    for (int n = 0; log.size() < kLogBytes; ++n) log += (n % 10 == 9 ? cut : session) + between;
    return log;
}

void BM_ParseVantLog(benchmark::State& state) {
    const std::string log = FiftyMegabyteLog();
    size_t rows = 0;
    for (auto _ : state) {
        VantLogReport report = ReadVantLog(log);
        rows = report.sessionRows.size();
        benchmark::DoNotOptimize(report);
    }
    state.counters["sessions"] = static_cast<double>(rows);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * log.size()));
}
BENCHMARK(BM_ParseVantLog)->Unit(benchmark::kMillisecond);

void BM_OpenVantLogFile(benchmark::State& state) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tarvon-vant-log-bench";
    std::filesystem::create_directories(dir);
    const std::string log = FiftyMegabyteLog();
    ReplaceFileContents(dir / kVantLogFileName, std::vector<uint8_t>(log.begin(), log.end()));
    for (auto _ : state) {
        VantLogReport report;
        benchmark::DoNotOptimize(ReadVantLogFile(dir.string(), report));
    }
    std::filesystem::remove_all(dir);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * log.size()));
}
BENCHMARK(BM_OpenVantLogFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvon
