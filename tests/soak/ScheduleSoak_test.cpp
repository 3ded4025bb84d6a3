// A week of a station's life in virtual time, with the user busy on another
// thread: the real engine, pass calculation, clock-thread rounds and pass
// runner on the in-memory platform, 50 satellites of a real element file.
// After every step the schedule must hold together: sorted, no pass twice,
// no pass of a satellite that is not scheduled, and no run's history lost.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "ScratchDir.h"
#include "VirtualWaits.h"
#include "core/FileReplace.h"
#include "core/SatelliteConfig.h"
#include "orbit/ElementImport.h"
#include "orbit/ObserverGeometry.h"
#include "passrun/PassExecution.h"
#include "passrun/PassHardware.h"
#include "passrun/PassRunTexts.h"
#include "platform/memory/FakeProcesses.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/RecordingSounds.h"
#include "schedule/ClockThread.h"
#include "schedule/OrbitPassSource.h"
#include "schedule/PassCalculation.h"
#include "schedule/PassEdits.h"
#include "schedule/ScheduleBuilder.h"
#include "schedule/ScheduleSatStates.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kStart = 1778457600;  // 2026-05-11 00:00:00 UTC, near the elements' epochs
constexpr int32_t kWeek = 7 * 86400;
constexpr uint32_t kSeed = 20260511;
constexpr auto kRealTimeLimit = std::chrono::seconds(110);
constexpr int kStepLimit = 400000;

using Clock = std::chrono::steady_clock;

// The satellites' programs: each shows its companion window at once; a third
// of them close by themselves a few minutes in, the others when told to.
class SoakPrograms {
public:
    SoakPrograms(FakeProcesses& processes, FakeClock& clock) : processes_(processes), clock_(clock) {
        processes_.OnStart([this](FakeProgram& program) {
            const std::string name = program.Start().commandLine.substr(program.Start().commandLine.find(' ') + 1);
            std::lock_guard<std::mutex> lock(mutex_);
            const WindowHandle window = processes_.FindTopLevelWindow(kCompanionWindowClass, "VANT [" + name + "]");
            program.ShowWindowAfter(window);
            const int32_t now = clock_.NowUnix();
            const int32_t closesItself = (now / 7 + int32_t(name.size())) % 3 == 0 ? now + 120 + now % 400 : 0;
            running_[window] = {&program, closesItself};
            return true;
        });
    }
    void Close(uintptr_t window) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (auto it = running_.find(window); it != running_.end()) it->second.program->Exit(0);
    }
    void EndThoseDue(int32_t now) {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto& [window, run] : running_) {
            if (run.closesItself != 0 && now >= run.closesItself) run.program->Exit(0);
        }
    }

private:
    struct Run {
        FakeProgram* program;  // kept by the processes
        int32_t closesItself;
    };
    FakeProcesses& processes_;
    FakeClock& clock_;
    std::mutex mutex_;
    std::map<WindowHandle, Run> running_;
};

// The main window as the engine reaches it: WM_CLOSE reaches the program.
class SoakUi final : public SchedulerUi {
public:
    SoakUi(ScheduleState*& schedule, SoakPrograms& programs) : schedule_(schedule), programs_(programs) {}
    void PostRunScheduler() override { schedule_->engine.nextWakeTime = 0; }
    void PostOpenNotification(std::shared_ptr<SchedulePass>) override {}
    void PressNotificationOk(uintptr_t) override {}
    void CloseProgramWindow(uintptr_t window) override { programs_.Close(window); }

private:
    ScheduleState*& schedule_;
    SoakPrograms& programs_;
};

// Pass execution, remembering every pass handed to a runner.
class RecordedPeers final : public SchedulerPeers {
public:
    explicit RecordedPeers(PassExecution& execution) : execution_(execution) {}
    void StartPassRunner(std::shared_ptr<SchedulePass> pass) override {
        runs.push_back(pass);  // under ScheduleLock, like every reader of `runs`
        execution_.StartPassRunner(pass);
    }
    int32_t MaxBeforePassLead(const std::string& satName) override { return execution_.MaxBeforePassLead(satName); }
    void RunDueTimedEvents(int32_t now, int32_t& wake, int32_t& listed) override {
        execution_.RunDueTimedEvents(now, wake, listed);
    }
    void RunEventsOfKind(uint32_t runKind) override { execution_.RunEventsOfKind(runKind); }
    void PlayPrePassSound(const SchedulePass& pass) override { execution_.PlayPrePassSound(pass); }

    std::vector<PassRef> runs;

private:
    PassExecution& execution_;
};

class QuietDisplay final : public ClockDisplay {
public:
    bool PopupMenuOpen() override { return false; }
    void ResetScheduleScroll() override {}
    bool Minimised() override { return false; }
    void SetTitle(const std::string&) override {}
    void ShowClock(const std::string&, const std::string&, const std::string&, const std::string&) override {}
    int TrackingLinesShown() override { return 3; }
    void ShowTrackingLine(int, const std::string&, bool) override {}
    void PlayTrackAosSound() override {}
};

struct SoakStation {
    SoakStation() {
        std::vector<uint8_t> bytes;
        ReadWholeFile(std::string(TARVON_TEST_DATA) + "/tle_bbs_bulletin_2026-05.txt", bytes);
        ClearKepsDatabase(keps);
        ImportReport report;
        ImportTwoLineFile(bytes, keps, report);
        SaveKepsDatabase(keps, kepsFile);
        settings.general.kovaDirectory = dir.Path().string();
        settings.station = {"G0SOAK", 0.12, 52.2, 20, 0, 0, 0, 1, 2, 4};
        std::string tracking;
        for (const KepsRecord& k : keps.slots) {
            if (k.name[0] == 0) continue;
            names.push_back(k.name);
            auto key = registry.Create(RegRoot::LocalMachine, std::string(kSatellitesKeyPath) + "\\" + k.name);
            RegWriteString(*key, "Name", k.name);
            RegWriteDword(*key, "State", names.size() % 9 == 0 ? 1 : 0);
            RegWriteDword(*key, "Priority", 1 + uint32_t(names.size() * 37 % 100));
            RegWriteDword(*key, "Min Pass Time", uint32_t(names.size() % 4));
            RegWriteString(*key, "Program", "VANT.EXE %S");
            processes.AddWindow(kCompanionWindowClass, "VANT [" + names.back() + "]");
            if (names.size() <= 3) tracking += names.back() + "~";
        }
        RegWriteString(*registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Tarvon"), "Tracking", tracking);
        scheduleRef = &schedule;
        execution.AttachSchedule(schedule);
        refreshed.Add(satStates);
        refreshed.Add(trackedStates);
        LoadTrackingList(schedule.tracking, registry, keps, ObserverFromStation(settings.station), kStart);
    }
    ~SoakStation() {
        sync.shutdown.Set();
        sync.passEnd.Set();
        clock.Advance(int64_t(kWeek) * 1000);  // past every virtual sleep
        execution.JoinThreads();
        schedule.tracking.StopNextEvents();
    }

    ScratchDir dir;
    std::filesystem::path kepsFile = dir / "Kova.KEP";
    KepsDatabase keps;
    std::vector<std::string> names;
    FakeClock clock{int64_t(kStart) * 1000};
    VirtualWaits waits{clock};
    MemoryRegistry registry;
    RecordingNotices notices;
    MemoryStationLog log;
    PlatformServices platform{registry, clock, waits, notices, log};
    FakeProcesses processes;
    SoakPrograms programs{processes, clock};
    RecordingSounds sounds;
    PassHardware hardware{sounds};
    SyncObjects sync;
    RunFlags flags;
    Settings settings;
    OrbitPassSource source{keps, ObserverFromStation(settings.station), PassSearchSettings{}, clock};
    PassExecution execution{platform, processes, sync, settings, hardware};
    RecordedPeers peers{execution};
    ScheduleState* scheduleRef = nullptr;
    SoakUi ui{scheduleRef, programs};
    ScheduleState schedule{ScheduleServices{platform, sync, flags, settings, source, ui, peers, false}};
    ScheduledSatStates satStates{schedule};
    TrackingSatStates trackedStates{schedule};
    SatStateLists refreshed;
};

// What is wrong with the schedule now, or nothing.
std::string BrokenInvariant(SoakStation& st, int32_t now) {
    std::lock_guard<std::recursive_mutex> lock(st.sync.scheduleLock);
    ScheduleState& s = st.schedule;
    std::set<std::string> scheduled;
    for (const SatelliteRef& satellite : s.satellites) scheduled.insert(satellite->name);
    std::map<std::string, std::vector<int32_t>> aosOf;
    int32_t previous = INT32_MIN;
    for (const PassRef& p : s.passes) {
        if (p->aos < previous) return "not in AOS order at " + p->satName;
        previous = p->aos;
        if (!scheduled.count(p->satName)) return "a pass of unscheduled " + p->satName;
        if (p->priority != 0) aosOf[p->satName].push_back(p->aos);
    }
    for (auto& [name, times] : aosOf) {
        for (size_t i = 1; i < times.size(); ++i) {
            if (times[i] - times[i - 1] < 60) return "two passes of " + name + " at " + std::to_string(times[i]);
        }
    }
    // A run that has ended is the one record of its pass while the pass lasts.
    for (const PassRef& run : st.peers.runs) {
        if (run->lastRunEnd == 0 || run->priority == 0 || run->los < now) continue;
        for (const PassRef& p : s.passes) {
            if (p != run && p->satName == run->satName && std::abs(p->aos - run->aos) < 60) {
                return "the history of the run of " + run->satName + " at " + std::to_string(run->aos) + " is lost";
            }
        }
    }
    return "";
}

struct UserTally {
    std::atomic<int> redo{0}, save{0}, edit{0}, runNow{0}, endNow{0}, refresh{0};
};

PassRef PickPass(SoakStation& st, std::mt19937& random, bool running) {
    std::lock_guard<std::recursive_mutex> lock(st.sync.scheduleLock);
    if (st.schedule.passes.empty()) return nullptr;
    if (running && st.schedule.engine.runnerState == 2) {
        for (const PassRef& p : st.schedule.passes) {
            if (p->satName == st.schedule.engine.runningSatName) return p;
        }
    }
    auto it = st.schedule.passes.begin();
    std::advance(it, random() % st.schedule.passes.size());
    return *it;
}

// The user at random moments (every few clock steps, while the clock goes
// on): Redo, satellite saves, pass edits, run now, end now and element
// refreshes, as the main thread would do them.
void UserActions(SoakStation& st, const std::atomic<int>& step, const std::atomic<bool>& done, UserTally& tally) {
    std::mt19937 random(kSeed);
    for (int next = 0; !done; next += 1 + int(random() % 6)) {
        while (step < next && !done) std::this_thread::sleep_for(std::chrono::microseconds(50));
        const uint32_t roll = random() % 100;
        if (roll < 2) {
            RedoSchedule(st.schedule);
            ++tally.redo;
        } else if (roll < 20) {
            const std::string& name = st.names[random() % st.names.size()];
            auto key = st.registry.Open(RegRoot::LocalMachine, std::string(kSatellitesKeyPath) + "\\" + name);
            auto config = LoadSatelliteConfig(*key);
            const uint32_t states[] = {0, 0, 0, 1, 2};
            config->state = states[random() % 5];
            config->priority = 1 + random() % 100;
            SaveSatellite(st.schedule, *key, config.get());
            ++tally.save;
        } else if (roll < 50) {
            if (PassRef pass = PickPass(st, random, random() % 2 == 0)) {
                EditPassFields f = EditFieldsFor(*pass, 1, 0);
                f.priority = 1 + int(random() % 100);
                f.status = random() % 5 == 0 ? 1 : 0;
                f.los[5] = int(random() % 60);
                ApplyPassEdit(st.schedule, pass, f);
                ++tally.edit;
            }
        } else if (roll < 70) {
            PassRef pass = PickPass(st, random, false);
            if (pass && pass->aos - pass->startLead <= st.clock.NowUnix()) {
                RunPassNow(st.schedule, pass);
                ++tally.runNow;
            }
        } else if (roll < 75) {
            EndPassNow(st.schedule);
            ++tally.endNow;
        } else {
            RefreshSatStatesFromKeps(st.keps, st.kepsFile, st.refreshed, 0.0);
            ++tally.refresh;
        }
    }
}

// The next moment of the clock: while a pass runs, in step with the runner
// (once it waits again, to its deadline); otherwise the engine's wake time.
int64_t NextMillis(SoakStation& st, int64_t now) {
    const int64_t wake = int64_t(st.schedule.engine.nextWakeTime) * 1000;
    int64_t next = std::min(wake, now + 300000);
    if (st.schedule.engine.runnerState == 2) {
        const auto giveUp = Clock::now() + std::chrono::milliseconds(50);
        while (st.waits.Waiting() == 0 && st.schedule.engine.runnerState == 2 && Clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
        next = std::min({next, st.waits.EarliestDeadline(), now + 30000});
    }
    return std::max(next, now + 1);
}

TEST(ScheduleSoak, AWeekOfFiftySatellitesWithTheUserAtWork) {
    SoakStation st;
    ASSERT_EQ(st.names.size(), 50u);
    BuildSchedule(st.schedule, st.dir / "Kova Schedule.DAT");

    std::atomic<bool> done{false};
    std::atomic<int> step{0};
    UserTally tally;
    std::thread user([&] { UserActions(st, step, done, tally); });
    QuietDisplay display;
    ClockRoundMemory memory;
    const auto deadline = Clock::now() + kRealTimeLimit;
    std::string broken;
    int64_t now = st.clock.NowMillis();
    for (; now < int64_t(kStart + kWeek) * 1000 && step < kStepLimit && Clock::now() < deadline; ++step) {
        now = NextMillis(st, now);
        st.clock.SetNowMillis(now);
        st.programs.EndThoseDue(int32_t(now / 1000));
        ClockRound(st.schedule, display, memory);
        broken = BrokenInvariant(st, int32_t(now / 1000));
        if (!broken.empty()) break;
    }
    done = true;
    user.join();
    StopPassCalculation(st.schedule);

    EXPECT_EQ(broken, "") << "at step " << step << ", " << now / 1000 - kStart << " s into the week";
    // A machine too busy to finish the week in time still gives half of it.
    EXPECT_GE(now, int64_t(kStart + kWeek / 2) * 1000) << "only " << step << " steps in time";
    size_t worked = 0;
    {
        std::lock_guard<std::recursive_mutex> lock(st.sync.scheduleLock);
        worked = st.peers.runs.size();
    }
    EXPECT_GT(worked, 40u);
    EXPECT_GT(tally.redo, 0);
    EXPECT_GT(tally.edit, 0);
    EXPECT_GT(tally.runNow, 0);
    std::cout << step << " steps, " << (now / 1000 - kStart) / 3600 << " hours, " << worked << " passes worked; user: " << tally.redo << " redo, " << tally.save
              << " saves, " << tally.edit << " edits, " << tally.runNow << " run now, " << tally.endNow
              << " end now, " << tally.refresh << " element refreshes\n";
}

}  // namespace
}  // namespace tarvon::testing
