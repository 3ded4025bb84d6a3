#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliDispatch.h"
#include "core/FileReplace.h"
#include "schedule/ScheduleFile.h"

namespace tarvon::cli {
namespace {
namespace fs = std::filesystem;

struct CliResult {
    int code;
    std::string out, err;
};

CliResult Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = Dispatch(args, out, err);
    return {code, out.str(), err.str()};
}

class ScheduleCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tarvon-cli-schedule-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        keps_ = (dir_ / "Kova.KEP").string();
        ASSERT_EQ(Cli({"import", "--keps", keps_, std::string(TARVON_TEST_DATA) + "/tle_bbs_bulletin_2026-05.txt"}).code, 0);
        reg_ = (dir_ / "station.reg").string();
        std::ofstream(reg_) << "REGEDIT4\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova\\General]\r\n\"Kova Directory\"=\"C:\\\\Kova\"\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova\\Station]\r\n"
                               "\"Latitude\"=hex:35,ef,38,45,47,1a,4a,40\r\n\"Longitude\"=hex:e7,1d,a7,e8,48,2e,bf,bf\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova\\Tarvon]\r\n\"Pop Up Time\"=dword:000000b4\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova\\Satellites\\ISS]\r\n\"Name\"=\"ISS\"\r\n"
                               "\"State\"=dword:00000000\r\n\"Priority\"=dword:00000001\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova\\Satellites\\SO-50]\r\n\"Name\"=\"SO-50\"\r\n"
                               "\"State\"=dword:00000000\r\n\"Priority\"=dword:00000002\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova\\Satellites\\GHOST]\r\n\"Name\"=\"GHOST\"\r\n"
                               "\"State\"=dword:00000000\r\n";
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    std::string keps_, reg_;
};

std::vector<std::string> LinesWith(const std::string& text, const std::string& part) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.find(part) != std::string::npos) lines.push_back(line);
    }
    return lines;
}

TEST_F(ScheduleCommandTest, BuildsAndSimulatesTheStationsSchedule) {
    const CliResult run = Cli({"schedule", "--reg", reg_, "--keps", keps_, "--start", "2026-05-12T00:00:00Z", "--days", "1",
                         "--simulate"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(LinesWith(run.out, "cannot find satellite GHOST").size(), 1u);
    EXPECT_GT(LinesWith(run.out, "ISS    ").size(), 3u);
    const auto starts = LinesWith(run.out, "runner start");
    const auto finishes = LinesWith(run.out, "runner finished");
    EXPECT_GT(starts.size(), 3u);
    // One runner at a time: every start but the last is followed by its finish.
    EXPECT_GE(finishes.size() + 1, starts.size());
    EXPECT_LE(finishes.size(), starts.size());
    EXPECT_FALSE(LinesWith(run.out, "notification  ISS").empty());
}

TEST_F(ScheduleCommandTest, UsageErrors) {
    EXPECT_EQ(Cli({"schedule", "--reg", reg_, "--keps", keps_, "--start", "2026-05-12", "--days", "0"}).code, 2);
    EXPECT_EQ(Cli({"schedule", "--reg", (dir_ / "none.reg").string(), "--keps", keps_, "--start", "0", "--days", "1"}).code, 2);
    EXPECT_EQ(Cli({"dump"}).code, 2);
}

TEST_F(ScheduleCommandTest, DumpPrintsEveryRecordAndRefusesOtherFormats) {
    SchedulePass pass;
    pass.satName = "AO-91";
    pass.aos = 1778544000;
    pass.los = 1778544600;
    pass.priority = 3;
    pass.listenOnly = 1;
    std::vector<uint8_t> bytes{0xD7, 0x07};
    EncodeSchedulePass(pass, bytes);
    bytes.resize(bytes.size() + 50, 0);  // half a second record
    const std::string file = (dir_ / "Kova Schedule.DAT").string();
    ASSERT_TRUE(ReplaceFileContents(file, bytes));
    const CliResult run = Cli({"dump", file});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("format word 2007"), std::string::npos);
    EXPECT_NE(run.out.find("2 record(s), the last one short"), std::string::npos);
    EXPECT_NE(run.out.find("satName                  AO-91"), std::string::npos);
    EXPECT_NE(run.out.find("aos                      1778544000 (2026-05-12T00:00:00Z)"), std::string::npos);
    EXPECT_NE(run.out.find("listenOnly               1"), std::string::npos);

    bytes[2] = 0x01;  // a damaged name is shown byte for byte
    ASSERT_TRUE(ReplaceFileContents(file, bytes));
    EXPECT_NE(Cli({"dump", file}).out.find("satName                  \\x01O-91"), std::string::npos);

    bytes[0] = 0xD6;  // 2006
    ASSERT_TRUE(ReplaceFileContents(file, bytes));
    const CliResult old = Cli({"dump", file});
    EXPECT_EQ(old.code, 1);
    EXPECT_NE(old.out.find("format word 2006"), std::string::npos);
}

}  // namespace
}  // namespace tarvon::cli
