#include "core/StationLogFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "platform/memory/FakeClock.h"

namespace tarvon::testing {
namespace {

constexpr int64_t kNoonMs = 1700049600000;  // 2023-11-15 12:00:00 UTC

TEST(StationLogFile, EachRecordIsOneTimedLine) {
    ScratchDir dir;
    FakeClock clock(kNoonMs);
    StationLogFile log(clock);
    log.Record("before the suite directory is known");
    log.Open(dir.Path());
    log.Record("Tarvon started");
    clock.Advance(61000);
    log.Record("two\r\nlines");
    EXPECT_EQ(FileText(dir / kStationLogFileName),
              "2023-11-15 12:00:00 UTC  Tarvon started\r\n"
              "2023-11-15 12:01:01 UTC  two  lines\r\n");
}

TEST(StationLogFile, FullFileBecomesThePreviousOne) {
    ScratchDir dir;
    FakeClock clock(kNoonMs);
    const std::string record(40, 'x');  // 68 bytes a line with its time
    StationLogFile log(clock, 150);
    log.Open(dir.Path());
    for (int i = 0; i < 5; ++i) log.Record(record + std::to_string(i));
    // Two lines fit; the third starts a new file, the fifth replaces the previous one.
    EXPECT_THAT(FileText(dir / kStationLogFileName), ::testing::HasSubstr(record + "4"));
    EXPECT_THAT(FileText(dir / kPreviousStationLogFileName), ::testing::HasSubstr(record + "3"));
    EXPECT_THAT(FileText(dir / kPreviousStationLogFileName), ::testing::Not(::testing::HasSubstr(record + "1")));
    EXPECT_LE(std::filesystem::file_size(dir / kStationLogFileName), 150u);
}

}  // namespace
}  // namespace tarvon::testing
