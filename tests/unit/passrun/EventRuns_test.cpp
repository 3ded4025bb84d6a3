#include "passrun/EventRuns.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "passrun/ScheduledEvents.h"
#include "passrun/WorkerThreads.h"
#include "platform/Registry.h"
#include "platform/memory/FakeClock.h"
#include "platform/memory/FakeProcesses.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/ScriptedWaits.h"

namespace tarvon {
namespace {

constexpr int32_t kNow = 1796169600;

class EventRunsTest : public ::testing::Test {
protected:
    std::unique_ptr<RegKey> AddEvent(const std::string& key, const std::string& name,
                                     uint32_t run, uint32_t associate, const std::string& program,
                                     uint32_t active = 1) {
        auto k = registry_.Create(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\" + key);
        RegWriteString(*k, "Name", name);
        RegWriteDword(*k, "Run", run);
        RegWriteDword(*k, "Associate", associate);
        if (!program.empty()) RegWriteString(*k, "Program", program);
        RegWriteDword(*k, "Active", active);
        return k;
    }
    std::optional<uint32_t> Value(const std::string& key, const char* value) {
        auto k = registry_.Open(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\" + key);
        uint32_t v = 0;
        if (!k || !RegReadDword(*k, value, v)) return std::nullopt;
        return v;
    }
    // Each started program ends `runSeconds` later (by the fake clock).
    void ProgramsRunFor(int32_t runSeconds) {
        processes_.OnStart([this, runSeconds](FakeProgram& program) {
            clock_.Advance(int64_t{runSeconds} * 1000);
            program.Exit(3);
            return true;
        });
    }

    MemoryRegistry registry_;
    FakeClock clock_{int64_t{kNow} * 1000};
    ScriptedWaits waits_{&clock_};
    RecordingNotices notices_;
    MemoryStationLog log_;
    PlatformServices platform_{registry_, clock_, waits_, notices_, log_};
    FakeProcesses processes_;
    SyncObjects sync_;
    WorkerThreads threads_{log_};
    EventRunServices services_{platform_, processes_, sync_, threads_};
};

TEST_F(EventRunsTest, ProgramThatEndsRecordsRunSuccessAndResult) {
    auto key = AddEvent("k", "Backup", kRunRegularly, kAssociateNoSatellite, "backup.exe /all");
    RegWriteString(*key, "Directory", "C:\\WORK");
    ProgramsRunFor(40);
    StartEventRun(services_, "Backup");
    threads_.JoinAll();

    ASSERT_EQ(processes_.Started().size(), 1u);
    const ProcessStart& start = processes_.Started()[0]->Start();
    EXPECT_EQ(start.commandLine, "backup.exe /all");
    EXPECT_EQ(start.directory, "C:\\WORK");
    EXPECT_EQ(start.show, ShowState::MinimisedNoActivate);
    EXPECT_EQ(Value("k", "Last Run Time"), uint32_t(kNow));
    EXPECT_EQ(Value("k", "Last Success Time"), uint32_t(kNow + 40));
    EXPECT_EQ(Value("k", "Last Return"), 0u);
    EXPECT_EQ(log_.Lines(), std::vector<std::string>{"Event Backup: backup.exe /all ended, result 0"});
}

TEST_F(EventRunsTest, FailuresLeaveOnlyTheRunTime) {
    AddEvent("nostart", "NoStart", kRunRegularly, kAssociateNoSatellite, "missing.exe");
    AddEvent("noprog", "NoProgram", kRunRegularly, kAssociateNoSatellite, "");
    auto maximised = AddEvent("hang", "Hangs", kRunRegularly, kAssociateNoSatellite, "hang.exe");
    RegWriteDword(*maximised, "Minimise", 0);
    processes_.OnStart([](FakeProgram& program) { return program.Start().commandLine != "missing.exe"; });

    StartEventRun(services_, "NoStart");
    StartEventRun(services_, "NoProgram");
    threads_.JoinAll();
    // Shutdown while a run waits for its program: no success, program left alone.
    sync_.shutdown.Set();
    StartEventRun(services_, "Hangs");
    threads_.JoinAll();

    for (const char* key : {"nostart", "noprog", "hang"}) {
        EXPECT_EQ(Value(key, "Last Run Time"), uint32_t(kNow)) << key;
        EXPECT_FALSE(Value(key, "Last Success Time")) << key;
        EXPECT_FALSE(Value(key, "Last Return")) << key;
    }
    ASSERT_EQ(processes_.Started().size(), 2u);
    EXPECT_EQ(processes_.Started()[1]->Start().show, ShowState::Maximised);
    const std::vector<std::string> lines = log_.Lines();
    const std::multiset<std::string> told(lines.begin(), lines.end());
    EXPECT_EQ(told, (std::multiset<std::string>{"Event NoStart: the program could not be started: missing.exe",
                                                "Event NoProgram: no program is configured",
                                                "Event Hangs: Tarvon was closed while hang.exe ran"}));
    EXPECT_FALSE(processes_.Started()[1]->ExitCode());
}

TEST_F(EventRunsTest, HousekeepingRunsOnlyWithoutCompanionPrograms) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "tarvon-event-hk";
    fs::remove_all(dir);
    fs::create_directories(dir);
    auto sat = registry_.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\S");
    RegWriteString(*sat, "Name", "S");
    RegWriteString(*sat, "Satellite Directory", dir.string());
    auto rules = registry_.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Tarvon");
    RegWriteDword(*rules, "FH Delete UL", 1);
    RegWriteDword(*rules, "FH Oldest Files", 0);
    auto makeFiles = [&] {
        for (const char* name : {"A.UL", "B.UL"}) {
            std::ofstream(dir / name) << "x";
            fs::last_write_time(dir / name, fs::file_time_type::clock::now() - std::chrono::hours(1));
        }
    };
    makeFiles();
    AddEvent("hk", "Tidy", kRunDaily, kAssociateHousekeeping, "ignored.exe");
    clock_.SetNowUnix(static_cast<int32_t>(
        std::chrono::duration_cast<std::chrono::seconds>(
            std::chrono::system_clock::now().time_since_epoch()).count()));
    const uint32_t now = static_cast<uint32_t>(clock_.NowUnix());

    for (const char* companion : {"VANT:MAIN", "Brisko", "Pevrin"}) {
        WindowHandle w = processes_.AddWindow(companion, "anything");
        StartEventRun(services_, "Tidy");
        threads_.JoinAll();
        processes_.RemoveWindow(w);
        EXPECT_EQ(Value("hk", "Last Run Time"), now) << companion;
        EXPECT_FALSE(Value("hk", "Last Success Time")) << companion;
        EXPECT_TRUE(fs::exists(dir / "A.UL")) << companion;
    }
    processes_.AddWindow("Notepad", "VANT [S]");
    StartEventRun(services_, "Tidy");
    threads_.JoinAll();
    EXPECT_EQ(Value("hk", "Last Success Time"), now);
    EXPECT_EQ(Value("hk", "Last Return"), 2u);
    EXPECT_FALSE(fs::exists(dir / "A.UL"));
    EXPECT_TRUE(processes_.Started().empty());
    fs::remove_all(dir);
}

TEST_F(EventRunsTest, RunsOfAKindStartEachActiveMatchingKeyThenTheScheduler) {
    AddEvent("1", "Idle A", kRunOnIdle, kAssociateNoSatellite, "a.exe");
    AddEvent("2", "Idle B", kRunOnIdle, kAssociateNoSatellite, "b.exe");
    AddEvent("3", "Idle off", kRunOnIdle, kAssociateNoSatellite, "c.exe", 0);
    AddEvent("4", "End idle", kRunOnEndIdle, kAssociateNoSatellite, "d.exe");
    AddEvent("5", "Startup", kRunTarvonStartup, kAssociateNoSatellite, "e.exe");
    // The same name twice: each key runs its own program.
    AddEvent("6", "Idle A", kRunOnIdle, kAssociateNoSatellite, "f.exe");
    AddEvent("7", "", kRunOnIdle, kAssociateNoSatellite, "g.exe");
    ProgramsRunFor(1);
    int schedulerRuns = 0;

    RunEventsOfKind(services_, kRunOnIdle, [&] { ++schedulerRuns; });
    threads_.JoinAll();
    std::multiset<std::string> lines;
    for (auto& p : processes_.Started()) lines.insert(p->Start().commandLine);
    EXPECT_EQ(lines, (std::multiset<std::string>{"a.exe", "b.exe", "f.exe"}));
    EXPECT_EQ(schedulerRuns, 1);

    RunEventsOfKind(services_, kRunTarvonStartup, [&] { ++schedulerRuns; });
    threads_.JoinAll();
    EXPECT_EQ(processes_.Started().back()->Start().commandLine, "e.exe");
    EXPECT_EQ(processes_.Started().size(), 4u);

    StartEventRun(services_, "No such event");
    StartEventRun(services_, "");
    threads_.JoinAll();
    EXPECT_EQ(processes_.Started().size(), 4u);
}

}  // namespace
}  // namespace tarvon
