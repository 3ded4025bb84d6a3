#include "schedule/ScheduleBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>
#include <tuple>

#include "ScratchDir.h"
#include "Schedule_helpers.h"
#include "schedule/PassCalculation.h"
#include "schedule/PassEdits.h"
#include "schedule/SatelliteEdits.h"
#include "schedule/ScheduleFile.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon::testing {
namespace {

constexpr int32_t kStart = 1700000000;
constexpr int32_t kDay = 86400;

// A pass of 10 minutes every `period` seconds from `first` on, for `days`.
std::vector<FoundPass> Regular(int32_t first, int32_t period, int days) {
    std::vector<FoundPass> passes;
    for (int32_t aos = first; aos < first + days * kDay; aos += period) passes.push_back({aos, aos + 600, 28, 0});
    return passes;
}

class ScheduleBuilderTest : public ::testing::Test {
protected:
    ScheduleBuilderTest() : station(kStart) {
        station.settings.general.kovaDirectory = dir.Path().string();
        station.settings.general.scheduleSeconds = kDay;
    }

    size_t CountOf(const std::string& name) {
        size_t n = 0;
        for (auto& p : station.state.passes) n += p->satName == name;
        return n;
    }

    ScratchDir dir;
    TestStation station;
};

TEST_F(ScheduleBuilderTest, RegistrySatellitesAreScheduledByTheirState) {
    station.source.passes["RUN"] = Regular(kStart + 1000, 6000, 3);
    station.source.passes["SHOW"] = Regular(kStart + 2000, 6000, 3);
    station.source.passes["OFF"] = Regular(kStart + 3000, 6000, 3);
    station.AddSatelliteKey("k1", "RUN", 0, 0);
    station.AddSatelliteKey("k2", "SHOW", 1, 150);
    station.AddSatelliteKey("k3", "OFF", 2, 50);
    station.AddSatelliteKey("k4", "RUN");  // a key without a State
    station.source.passes["LOW"] = Regular(kStart + 4000, 6000, 3);
    station.AddSatelliteKey("k5", "LOW", 0);

    BuildSchedule(station.state);

    ASSERT_EQ(station.state.satellites.size(), 3u);
    EXPECT_EQ(CountOf("OFF"), 0u);
    // Every pass up to the horizon plus the first one beyond it.
    EXPECT_EQ(CountOf("RUN"), 16u);
    for (auto& p : station.state.passes) {
        // Priority 0 and 150 read as 10, a missing one as the lowest.
        EXPECT_EQ(p->priority, p->satName == "LOW" ? 100 : 10);
        EXPECT_EQ(p->state, p->satName == "SHOW" ? 1 : 0);
    }
    EXPECT_TRUE(station.state.queue.empty());
}

TEST_F(ScheduleBuilderTest, AbsurdRegistryValuesScheduleWithoutHarm) {
    station.source.passes["A"] = Regular(kStart + 1000, 6000, 3);
    auto key = station.AddSatelliteKey("A", "A", 0, 0xFFFFFFFF);
    RegWriteDword(*key, "Start Time", 0x80000000);
    RegWriteDword(*key, "Min Pass Time", 0xFFFFFFFF);
    RegWriteDword(*key, "Min Elevation", 0x7FFFFFFF);
    RegWriteString(*key, "Min Pass Time", "not a number");  // a value of the wrong type reads as missing
    BuildSchedule(station.state);
    ASSERT_FALSE(station.state.passes.empty());
    const SchedulePass& first = *station.state.passes.front();
    EXPECT_EQ(std::tuple(first.priority, first.minPassTime, first.elevationOk), std::tuple(10, 0, 0));
    station.world.RunUntil(kStart + kDay);
    EXPECT_TRUE(station.world.Entries("runner start").empty());  // never high enough
}

TEST_F(ScheduleBuilderTest, SatelliteThatNeverRisesLeavesTheQueueAndIsReportedOnce) {
    station.source.neverRising = {"GEO"};
    station.source.passes["A"] = Regular(kStart + 1000, 6000, 10);
    station.AddSatelliteKey("k1", "GEO", 0, 5);
    station.AddSatelliteKey("k2", "A", 0, 5);
    BuildSchedule(station.state);
    EXPECT_TRUE(station.state.queue.empty());
    EXPECT_EQ(station.notices.Shown().size(), 1u);
    // Removing passes of others never wakes it up again, and it is told once.
    station.world.RunUntil(kStart + 2 * kDay);
    EXPECT_EQ(station.notices.Shown().size(), 1u);
}

TEST_F(ScheduleBuilderTest, RemovalOfAnOldPassMovesTheHorizon) {
    station.source.passes["A"] = Regular(kStart + 1000, 6000, 5);
    station.AddSatelliteKey("k1", "A", 0, 5);
    BuildSchedule(station.state);
    const int32_t lastBefore = station.state.passes.back()->aos;
    const size_t countBefore = station.state.passes.size();

    // Passes leave 300 s after their LOS; once the search time of the
    // satellite is within the horizon again, it searches on.
    station.world.RunUntil(kStart + 20000);
    EXPECT_GT(station.state.passes.back()->aos, lastBefore);
    EXPECT_GE(station.state.passes.size(), countBefore - 1);
    EXPECT_GT(station.state.passes.front()->los, kStart + 1600);
}

// The values written to the key are the satellite wizard scenario's (e2e.satellite_wizard).
TEST_F(ScheduleBuilderTest, SatelliteSaveReachesTheScheduler) {
    station.source.passes["A"] = Regular(kStart + 1000, 6000, 2);
    auto key = station.AddSatelliteKey("k1", "A", 0, 20);
    auto config = LoadSatelliteConfig(*key);
    config->startTime = 30;
    ASSERT_TRUE(SaveSatellite(station.state, *key, config.get()));
    ASSERT_EQ(station.state.satellites.size(), 1u);
    EXPECT_EQ(station.state.passes.front()->startLead, 30);

    config->name = "a";  // passes are matched ignoring case
    config->state = 1;
    config->priority = 0;
    config->minPassTime = 2;
    config->minElevation = 29;
    SaveSatellite(station.state, *key, config.get());
    for (auto& p : station.state.passes) {
        EXPECT_EQ(std::tuple(p->priority, p->state, p->minPassTime, p->elevationOk), std::tuple(10, 1, 120, 0));
    }
    config->name = "A";
    config->state = 2;
    SaveSatellite(station.state, *key, config.get());
    EXPECT_TRUE(station.state.passes.empty() && station.state.satellites.empty());

    config->name = "NOPE";
    config->state = 0;
    SaveSatellite(station.state, *key, config.get());
    // Satellites are found by their exact name: "a" and "NOPE" are not in the database.
    EXPECT_EQ(station.notices.Shown().size(), 2u);
}

// A satellite may change the case of its own name. A taken name, in any
// case, refused for a new satellite and for a rename, and how the schedule
// follows each change, are the wizard scenario's (e2e.satellite_wizard).
TEST_F(ScheduleBuilderTest, RenameMayChangeTheCaseOfItsOwnName) {
    const SatelliteStore store{station.registry, station.notices, nullptr};
    auto config = NewSatelliteConfig();
    config->name = "B";
    config->satelliteType = 1;
    ASSERT_EQ(CreateSatellite(store, *config), SatelliteSave::Saved);
    std::string path;
    ASSERT_TRUE(FindSatelliteKey(station.registry, "B", path));
    config->name = "b";
    EXPECT_EQ(SaveEditedSatellite(store, path, "B", *config), SatelliteSave::Saved);
    EXPECT_EQ(SatelliteNames(station.registry), std::vector<std::string>{"b"});
}

TEST_F(ScheduleBuilderTest, PassEndedByTheUserRestsItsHourAcrossRedoAndSatelliteSaves) {
    station.source.passes["A"] = Regular(kStart + 100, 6000, 2);
    auto key = station.AddSatelliteKey("k1", "A", 0, 5);
    auto config = LoadSatelliteConfig(*key);
    const std::function<void()> losers[] = {
        [&] { RedoSchedule(station.state); },
        [&] {
            for (uint32_t state : {2u, 0u}) {
                config->state = state;
                SaveSatellite(station.state, *key, config.get());
            }
        },
    };
    BuildSchedule(station.state);
    station.world.RunUntil(kStart + 200);
    EndPassNow(station.state);
    for (const auto& lose : losers) {
        // Once while the runner ends the pass, once after.
        lose();
        station.world.RunUntil(station.Now() + 60);
    }
    EXPECT_EQ(station.world.Entries("runner start").size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(dir / kScheduleFileName));
    ASSERT_FALSE(station.state.passes.empty());
    EXPECT_NE(station.state.passes.front()->lastRunEnd, 0);
}

TEST_F(ScheduleBuilderTest, PassFoundWhileAnEndedPassLeavesTheSchedule) {
    station.source.passes["A"] = Regular(kStart + 1000, 6000, 3);
    station.source.passes["B"] = Regular(kStart + 500, 6000, 3);
    auto save = [&](const std::string& name) {
        SatelliteConfig config;
        config.name = name;
        config.priority = 20;
        config.startTime = 25;
        ApplySatelliteSave(station.state, config);
    };
    save("A");
    station.clock.SetNowUnix(kStart + kDay);
    // B's pass is found in a walk over the queue; the engine run it causes
    // removes A's ended passes, which queues A in the middle of that walk.
    save("B");
    EXPECT_TRUE(station.state.queue.empty());
    EXPECT_GT(station.state.passes.back()->aos, kStart + 2 * kDay);
    EXPECT_GT(CountOf("A"), 1u);
}

TEST_F(ScheduleBuilderTest, CalculationStartedFromTwoThreadsAtOnceFillsTheSchedule) {
    station.source.passes["A"] = Regular(kStart + 1000, 6000, 3);
    station.source.passes["B"] = Regular(kStart + 2000, 5000, 3);
    station.AddSatelliteKey("k1", "A", 0, 5);
    station.AddSatelliteKey("k2", "B", 0, 5);
    RealWaits waits;
    PlatformServices platform{station.registry, station.clock, waits, station.notices, station.log};
    ScheduleState state(ScheduleServices{platform, station.sync, station.flags, station.settings, station.source,
                                         station.world, station.world, false});
    station.world.Attach(state);
    BuildSchedule(state, "");
    // The clock thread and the window both start calculations; each start
    // stops the running one after its walk, so the last start finishes.
    std::thread other([&] {
        for (int i = 0; i < 300; ++i) StartPassCalculation(state);
    });
    for (int i = 0; i < 300; ++i) StartPassCalculation(state);
    other.join();
    StartPassCalculation(state);
    StopPassCalculation(state);
    EXPECT_TRUE(state.queue.empty());
    EXPECT_EQ(state.passes.size(), 16u + 18u);
}

}  // namespace
}  // namespace tarvon::testing
