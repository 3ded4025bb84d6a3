#include "passrun/EventRuns.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "Passrun_helpers.h"
#include "ScratchDir.h"
#include "passrun/WorkerThreads.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kNow = 1796169600;

class EventRunsTest : public ::testing::Test, protected PassrunStation {
protected:
    EventRunsTest() : PassrunStation(kNow) {}
    std::unique_ptr<RegKey> Event(const std::string& key, const std::string& name, uint32_t run, uint32_t associate,
                                  const std::string& program, uint32_t active = 1) {
        return AddEvent({.name = name, .run = run, .associate = associate, .program = program, .active = active,
                         .key = key});
    }
    // Each started program ends `runSeconds` later (by the fake clock).
    void ProgramsRunFor(int32_t runSeconds) {
        processes.OnStart([this, runSeconds](FakeProgram& program) {
            clock.Advance(int64_t{runSeconds} * 1000);
            program.Exit(3);
            return true;
        });
    }

    WorkerThreads threads{log};
    EventRunServices services{platform, processes, sync, threads};
};

TEST_F(EventRunsTest, ProgramThatEndsRecordsRunSuccessAndResult) {
    auto key = Event("k", "Backup", kRunRegularly, kAssociateNoSatellite, "backup.exe /all");
    RegWriteString(*key, "Directory", "C:\\WORK");
    ProgramsRunFor(40);
    StartEventRun(services, "Backup");
    threads.JoinAll();

    ASSERT_EQ(processes.Started().size(), 1u);
    const ProcessStart& start = processes.Started()[0]->Start();
    EXPECT_EQ(start.directory, "C:\\WORK");
    EXPECT_EQ(start.show, ShowState::MinimisedNoActivate);
    EXPECT_EQ(EventValue("k", "Last Run Time"), uint32_t(kNow));
    EXPECT_EQ(EventValue("k", "Last Success Time"), uint32_t(kNow + 40));
    EXPECT_EQ(EventValue("k", "Last Return"), 0u);
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"Event Backup: backup.exe /all ended, result 0"});
}

TEST_F(EventRunsTest, FailuresLeaveOnlyTheRunTime) {
    Event("nostart", "NoStart", kRunRegularly, kAssociateNoSatellite, "missing.exe");
    Event("noprog", "NoProgram", kRunRegularly, kAssociateNoSatellite, "");
    auto maximised = Event("hang", "Hangs", kRunRegularly, kAssociateNoSatellite, "hang.exe");
    RegWriteDword(*maximised, "Minimise", 0);
    processes.OnStart([](FakeProgram& program) { return program.Start().commandLine != "missing.exe"; });

    StartEventRun(services, "NoStart");
    StartEventRun(services, "NoProgram");
    threads.JoinAll();
    // Shutdown while a run waits for its program: no success, program left alone.
    sync.shutdown.Set();
    StartEventRun(services, "Hangs");
    threads.JoinAll();

    for (const char* key : {"nostart", "noprog", "hang"}) {
        EXPECT_EQ(EventValue(key, "Last Run Time"), uint32_t(kNow)) << key;
        EXPECT_FALSE(EventValue(key, "Last Success Time")) << key;
        EXPECT_FALSE(EventValue(key, "Last Return")) << key;
    }
    ASSERT_EQ(processes.Started().size(), 2u);
    EXPECT_EQ(processes.Started()[1]->Start().show, ShowState::Maximised);
    EXPECT_THAT(log.Lines(), ::testing::UnorderedElementsAre(
                                 "Event NoStart: the program could not be started: missing.exe",
                                 "Event NoProgram: no program is configured",
                                 "Event Hangs: Tarvon was closed while hang.exe ran"));
    EXPECT_FALSE(processes.Started()[1]->ExitCode());
}

TEST_F(EventRunsTest, HousekeepingRunsOnlyWithoutCompanionPrograms) {
    ScratchDir scratch;
    RegWriteString(*registry.Open(RegRoot::LocalMachine, AddSatellite("S", "S", "")), "Satellite Directory",
                   scratch.Path().string());
    auto rules = registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Tarvon");
    RegWriteDword(*rules, "FH Delete UL", 1);
    RegWriteDword(*rules, "FH Oldest Files", 0);
    for (const char* name : {"A.UL", "B.UL"}) std::ofstream(scratch.Path() / name) << "x";
    Event("hk", "Tidy", kRunDaily, kAssociateHousekeeping, "ignored.exe");
    // A little after the files were written, so that they are of age.
    const auto now = uint32_t(std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()) + 10);
    clock.SetNowUnix(int32_t(now));

    for (const char* companion : {"VANT:MAIN", "Brisko", "Pevrin"}) {
        WindowHandle w = processes.AddWindow(companion, "anything");
        StartEventRun(services, "Tidy");
        threads.JoinAll();
        processes.RemoveWindow(w);
        EXPECT_EQ(EventValue("hk", "Last Run Time"), now) << companion;
        EXPECT_FALSE(EventValue("hk", "Last Success Time")) << companion;
    }
    processes.AddWindow("Notepad", "VANT [S]");
    StartEventRun(services, "Tidy");
    threads.JoinAll();
    EXPECT_EQ(EventValue("hk", "Last Success Time"), now);
    EXPECT_EQ(EventValue("hk", "Last Return"), 2u);  // both files, none taken by a blocked run
    EXPECT_TRUE(processes.Started().empty());
}

TEST_F(EventRunsTest, RunsOfAKindStartEachActiveMatchingKeyThenTheScheduler) {
    Event("1", "Idle A", kRunOnIdle, kAssociateNoSatellite, "a.exe");
    Event("2", "Idle B", kRunOnIdle, kAssociateNoSatellite, "b.exe");
    Event("3", "Idle off", kRunOnIdle, kAssociateNoSatellite, "c.exe", 0);
    Event("4", "End idle", kRunOnEndIdle, kAssociateNoSatellite, "d.exe");
    Event("5", "Startup", kRunTarvonStartup, kAssociateNoSatellite, "e.exe");
    // The same name twice: each key runs its own program.
    Event("6", "Idle A", kRunOnIdle, kAssociateNoSatellite, "f.exe");
    Event("7", "", kRunOnIdle, kAssociateNoSatellite, "g.exe");
    ProgramsRunFor(1);
    int schedulerRuns = 0;

    RunEventsOfKind(services, kRunOnIdle, [&] { ++schedulerRuns; });
    threads.JoinAll();
    std::multiset<std::string> lines;
    for (auto& p : processes.Started()) lines.insert(p->Start().commandLine);
    EXPECT_EQ(lines, (std::multiset<std::string>{"a.exe", "b.exe", "f.exe"}));
    EXPECT_EQ(schedulerRuns, 1);

    StartEventRun(services, "No such event");
    StartEventRun(services, "");
    threads.JoinAll();
    EXPECT_EQ(processes.Started().size(), 3u);
}

}  // namespace
}  // namespace tarvon::testing
