// Four days of a station's life in virtual time, with the user busy on another
// thread: the real engine, pass calculation, clock-thread rounds and pass
// runner on the in-memory platform, 50 satellites of a real element file.
// After every step the schedule must hold together: sorted, no pass twice,
// no pass of a satellite that is not scheduled, and no run's history lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <string_view>
#include <thread>
#include <unordered_set>

#include "ScratchDir.h"
#include "TestElements.h"
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
#include "schedule/RecordingDisplay.h"
#include "schedule/ScheduleBuilder.h"
#include "schedule/ScheduleSatStates.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kStart = 1778457600;  // 2026-05-11 00:00:00 UTC, near the elements' epochs
constexpr int32_t kSpan = 4 * 86400;  // every satellite passes many times over
constexpr uint32_t kSeed = 20260511;
constexpr int kUserActions = 300;
// The clock never jumps further than this, so the clock thread's other work
// (tracking lines, the schedule's scroll) runs as it would, if more seldom.
constexpr int64_t kLongestStepMs = 900000;
// Waits this short are steps of the runner's sequence (the modem, the
// program's window, after-pass settling); longer ones are timeouts that
// the engine's own wake times overtake.
constexpr int64_t kShortWaitMs = 3000;
// Only a hang takes this long: the work is fixed, whatever the machine.
constexpr auto kHangGuard = std::chrono::seconds(240);

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
            if (run.closesItself != 0 && now >= run.closesItself) {
                run.program->Exit(0);
                run.closesItself = 0;
            }
        }
    }
    // When the next program closes by itself, in clock milliseconds.
    int64_t NextCloseMillis() {
        std::lock_guard<std::mutex> lock(mutex_);
        int64_t next = INT64_MAX;
        for (auto& [window, run] : running_) {
            if (run.closesItself != 0) next = std::min(next, int64_t(run.closesItself) * 1000);
        }
        return next;
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

struct SoakStation {
    SoakStation() {
        keps = ImportedTwoLine("tle_bbs_bulletin_2026-05.txt");
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
        clock.Advance(int64_t(kSpan) * 1000);  // past every virtual sleep
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

// What is wrong with the schedule now, or nothing. Run after every step, so
// kept cheap: no copies of the names, no containers built per pass.
std::string BrokenInvariant(SoakStation& st, int32_t now) {
    std::lock_guard<std::recursive_mutex> lock(st.sync.scheduleLock);
    ScheduleState& s = st.schedule;
    std::unordered_set<std::string_view> scheduled;
    for (const SatelliteRef& satellite : s.satellites) scheduled.insert(satellite->name);
    int32_t previous = INT32_MIN;
    for (auto it = s.passes.begin(); it != s.passes.end(); ++it) {
        const SchedulePass& p = **it;
        if (p.aos < previous) return "not in AOS order at " + p.satName;
        previous = p.aos;
        if (!scheduled.count(p.satName)) {
            return "a pass of unscheduled " + p.satName;
        }
        // In AOS order, a second pass of the same satellite within a minute
        // is among the few just before it.
        for (auto before = it; p.priority != 0 && before != s.passes.begin();) {
            const SchedulePass& q = **--before;
            if (p.aos - q.aos >= 60) break;
            if (q.priority != 0 && q.satName == p.satName) return "two passes of " + p.satName + " at " + std::to_string(p.aos);
        }
    }
    // A run that has ended is the one record of its pass while the pass
    // lasts. Runs are kept in their start order: the last few can still last.
    const size_t recent = std::min<size_t>(st.peers.runs.size(), 4);
    for (auto run = st.peers.runs.end() - recent; run != st.peers.runs.end(); ++run) {
        const SchedulePass& r = **run;
        if (r.lastRunEnd == 0 || r.priority == 0 || r.los < now) continue;
        for (const PassRef& p : s.passes) {
            if (p != *run && p->satName == r.satName && std::abs(p->aos - r.aos) < 60) {
                return "the history of the run of " + r.satName + " at " + std::to_string(r.aos) + " is lost";
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

// A pass whose start has come, or none.
PassRef PassUnderway(SoakStation& st) {
    std::lock_guard<std::recursive_mutex> lock(st.sync.scheduleLock);
    const int32_t now = st.clock.NowUnix();
    for (const PassRef& p : st.schedule.passes) {
        if (p->aos - p->startLead <= now && now < p->los) return p;
    }
    return nullptr;
}

// The user's actions, each at its own moment of the span (one in each equal
// share of it, at a random point), as the main thread would do them: Redo,
// satellite saves, pass edits, run now, end now and element refreshes.
std::vector<int64_t> UserMoments(std::mt19937& random) {
    const int64_t share = int64_t(kSpan) * 1000 / kUserActions;
    std::vector<int64_t> moments;
    for (int i = 0; i < kUserActions; ++i) moments.push_back(int64_t(kStart) * 1000 + i * share + random() % share);
    return moments;
}

void UserAction(SoakStation& st, std::mt19937& random, UserTally& tally) {
    const uint32_t roll = random() % 100;
    if (roll < 5) {
        RedoSchedule(st.schedule);
        ++tally.redo;
    } else if (roll < 25) {
        const std::string& name = st.names[random() % st.names.size()];
        auto key = st.registry.Open(RegRoot::LocalMachine, std::string(kSatellitesKeyPath) + "\\" + name);
        auto config = LoadSatelliteConfig(*key);
        const uint32_t states[] = {0, 0, 0, 1, 2};
        config->state = states[random() % 5];
        config->priority = 1 + random() % 100;
        SaveSatellite(st.schedule, *key, config.get());
        ++tally.save;
    } else if (roll < 60) {
        if (PassRef pass = PickPass(st, random, random() % 2 == 0)) {
            EditPassFields f = EditFieldsFor(*pass, 1, 0);
            f.priority = 1 + int(random() % 100);
            f.status = random() % 5 == 0 ? 1 : 0;
            f.los[5] = int(random() % 60);
            ApplyPassEdit(st.schedule, pass, f);
            ++tally.edit;
        }
    } else if (roll < 80) {
        if (PassRef pass = PassUnderway(st)) {
            RunPassNow(st.schedule, pass);
            ++tally.runNow;
        }
    } else if (roll < 88) {
        EndPassNow(st.schedule);
        ++tally.endNow;
    } else {
        RefreshSatStatesFromKeps(st.keps, st.kepsFile, st.refreshed, 0.0);
        ++tally.refresh;
    }
}

// The user begins each action once the clock reaches its moment; `begun`
// counts those begun, so that the clock can wait for a user who lags.
void UserActions(SoakStation& st, const std::vector<int64_t>& moments, std::mt19937 random, std::atomic<int>& begun,
                 const std::atomic<bool>& stop, UserTally& tally) {
    for (int64_t moment : moments) {
        while (st.clock.NowMillis() < moment && !stop) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (stop) return;
        ++begun;
        UserAction(st, random, tally);
    }
}

// The next moment anything is due: the engine's wake time, the end of a
// short wait, a program closing by itself, the user's next action. The
// engine reckons in whole seconds: a wake time already reached means the
// next second, as the clock thread's next round would.
int64_t NextMillis(SoakStation& st, int64_t now, int64_t userMoment) {
    const int64_t wake = std::max<int64_t>(st.schedule.engine.nextWakeTime, now / 1000 + 1) * 1000;
    int64_t next = std::min({now + kLongestStepMs, wake, st.programs.NextCloseMillis(), userMoment});
    const int64_t waitEnds = st.waits.EarliestDeadlineAfter(now);
    if (waitEnds - now <= kShortWaitMs) next = std::min(next, waitEnds);
    return std::max(next, now + 1);
}

// Waits in real time for `ready`, or until the hang guard's deadline.
template <typename Ready>
bool WaitFor(Ready ready, Clock::time_point deadline) {
    for (int tries = 0; !ready(); ++tries) {
        if (Clock::now() > deadline) return false;
        if (tries < 100) {
            std::this_thread::yield();
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
    }
    return true;
}

// Those woken by the clock have gone on, and a runner at work has reached
// its next wait: its pass goes at the pace of the clock, whatever the
// machine's speed.
bool Settled(SoakStation& st, int64_t now) {
    return !st.waits.AnyDueBy(now) && (st.schedule.engine.runnerState != 2 || st.waits.AnyWaitingPast(now));
}

TEST(ScheduleSoak, FourDaysOfFiftySatellitesWithTheUserAtWork) {
    SoakStation st;
    ASSERT_EQ(st.names.size(), 50u);
    BuildSchedule(st.schedule, st.dir / "Kova Schedule.DAT");

    std::mt19937 random(kSeed);
    const std::vector<int64_t> moments = UserMoments(random);
    std::atomic<int> begun{0};
    std::atomic<bool> stop{false};
    UserTally tally;
    std::thread user([&] { UserActions(st, moments, random, begun, stop, tally); });
    RecordingDisplay display;
    display.trackingLines = 3;
    ClockRoundMemory memory;
    const auto deadline = Clock::now() + kHangGuard;
    std::string broken;
    bool hung = false;
    int step = 0;
    int64_t now = st.clock.NowMillis();
    const int64_t spanEnd = int64_t(kStart + kSpan) * 1000;
    for (; (now < spanEnd || begun < kUserActions) && broken.empty() && !hung; ++step) {
        const int k = begun;
        now = NextMillis(st, now, k < kUserActions ? moments[k] : INT64_MAX);
        st.waits.MoveClock(now);
        const auto settled = [&] { return Settled(st, now); };
        // A user whose moment has come goes first.
        const bool userWent = WaitFor([&] { return k == kUserActions || moments[k] > now || begun > k; }, deadline);
        st.programs.EndThoseDue(int32_t(now / 1000));
        hung = !userWent || !WaitFor(settled, deadline);
        if (hung) break;
        ClockRound(st.schedule, display, memory);
        hung = !WaitFor(settled, deadline);
        broken = BrokenInvariant(st, int32_t(now / 1000));
    }
    if (hung) {  // the threads cannot be joined: say where it stood, and end
        std::cerr << "The soak hung at step " << step << ", " << now / 1000 - kStart << " s into the span, "
                  << begun << " user actions begun; a wait the clock ended still open: " << st.waits.AnyDueBy(now)
                  << ", the runner at work: " << (st.schedule.engine.runnerState == 2) << ", a wait past now: "
                  << st.waits.AnyWaitingPast(now) << "\n";
        std::_Exit(1);
    }
    stop = true;
    user.join();
    StopPassCalculation(st.schedule);

    EXPECT_EQ(broken, "") << "at step " << step << ", " << now / 1000 - kStart << " s into the span";
    size_t worked = 0;
    {
        std::lock_guard<std::recursive_mutex> lock(st.sync.scheduleLock);
        worked = st.peers.runs.size();
    }
    EXPECT_GT(worked, 40u);
    EXPECT_GT(tally.redo, 0);
    EXPECT_GT(tally.edit, 0);
    EXPECT_GT(tally.runNow, 0);
    std::cout << step << " steps, " << worked << " passes worked; user: " << tally.redo << " redo, " << tally.save
              << " saves, " << tally.edit << " edits, " << tally.runNow << " run now, " << tally.endNow
              << " end now, " << tally.refresh << " element refreshes\n";
}

}  // namespace
}  // namespace tarvon::testing
