#include "hardware/TrackingController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <thread>

#include "Hardware_helpers.h"
#include "TestElements.h"
#include "hardware/RotorRadioDriver.h"
#include "hardware/TrackingData.h"
#include "hardware/TrackingTexts.h"
#include "orbit/ObserverGeometry.h"
#include "platform/memory/FakeClock.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/ScriptedWaits.h"

namespace tarvon {
namespace {

// An ISS pass over Cambridge: AOS 1778462261, LOS 1778462893, overhead in flip mode.
constexpr int32_t kInPass = 1778462561;

// The driver's calls and the rotor display's positions, in order, as text.
class Recorder final : public RotorRadioDriver, public RotorDisplayPort {
public:
    uint32_t RotorOpen() override { return Note("RotorOpen"), rotorOpenResult; }
    void RotorClose() override { Note("RotorClose"); }
    void RotorSetPosition(int32_t az, int32_t el) override { Note("P", az, el); }
    void RotorGetPosition(int16_t& az, int16_t& el) override { Note("p"), az = 271, el = 12; }
    uint32_t RadioOpen(uint32_t mask) override { return Note("RadioOpen", mask), radioOpenResult; }
    void RadioClose() override { Note("RadioClose"); }
    void RadioSetFrequency(uint32_t down, uint32_t up) override { Note("F", down, up); }
    void RadioSetMode(uint32_t down, uint32_t up) override { Note("M", down, up); }
    void ShowRotorPosition(double az, double el) override { Note("show", std::lround(az), std::lround(el)); }

    Strings Calls(const char* prefix = "") {
        std::lock_guard<std::mutex> lock(mutex_);
        Strings calls;
        for (const std::string& c : calls_) {
            if (c.rfind(prefix, 0) == 0) calls.push_back(c);
        }
        return calls;
    }
    uint32_t rotorOpenResult = 0, radioOpenResult = 0;

private:
    template <typename... Values>
    void Note(std::string call, Values... values) {
        ((call += " " + std::to_string(values)), ...);
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back(call);
    }
    std::mutex mutex_;
    Strings calls_;
};

class TrackingControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.station.latitude = 52.2;
        settings.station.longitude = -0.12;
        settings.general.rotatorType = kRotatorLevel1;
        auto sat = registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\ISS");
        RegWriteString(*sat, "Name", "ISS");
        RegWriteDouble(*sat, "Uplink 1", 145.99);
        RegWriteDouble(*sat, "Downlink 2", 437.8);
        RegWriteDword(*sat, "Default Downlink", 2);
        RegWriteDword(*sat, "Downlink Mode", 3);
        clock.SetNowUnix(kInPass);
        // The tracking thread works `steps` steps and is told to stop; the
        // read-back thread reads twice, then shutdown comes.
        waits.OnWait([this](const WaitCall& call) {
            if (call.events.size() == 2 && ++tracked >= steps) call.events[1]->Set();
            if (call.events.size() == 1 && ++readBacks >= 3) call.events[0]->Set();
        });
    }

    TrackingController& Controller() {
        if (!controller) {
            controller = std::make_unique<TrackingController>(TrackingServices{
                services, sync, settings, keps, ObserverFromStation(settings.station), data, recorder, &recorder,
                [this] { ++errorSounds; }, nullptr, [this](uint32_t start) { announced.push_back(start); }});
        }
        return *controller;
    }

    void WaitForSteps(int n) {
        while (tracked < n) std::this_thread::yield();
    }

    MemoryRegistry registry;
    FakeClock clock;
    ScriptedWaits waits{&clock};
    RecordingNotices notices;
    MemoryStationLog log;
    PlatformServices services{registry, clock, waits, notices, log};
    SyncObjects sync;
    Settings settings;
    KepsDatabase keps = testing::ImportedTwoLine("tle_bbs_bulletin_2026-05.txt");
    TrackingDataBuffers data;
    Recorder recorder;
    int errorSounds = 0;
    std::vector<uint32_t> announced;  // start numbers, as told to the window
    std::atomic<int> tracked{0}, readBacks{0};
    int steps = 1;
    std::unique_ptr<TrackingController> controller;
};

TEST_F(TrackingControllerTest, Level1PointsTheAntennaAndTunesForDoppler) {
    steps = 3;
    settings.general.flip = 1;  // the flip geometry is TrackingStep's; here, that the setting reaches it
    const uint32_t start = Controller().StartTracking(false, false, "ISS");
    WaitForSteps(3);
    const uint32_t stop = Controller().StartTracking(true, true, "");
    const uint32_t again = Controller().StartTracking(true, true, "");
    EXPECT_EQ(log.Lines(), (Strings{"Tracking ISS", "Tracking stopped"}));
    // Every start and stop is announced; a later one always has a higher number.
    EXPECT_EQ(announced, (std::vector<uint32_t>{start, stop, again}));
    EXPECT_TRUE(start < stop && stop < again);
    // Downlink 437.8 MHz (band bit 2), uplink 145.99 MHz (bit 1 in the second byte); USB, FM-N.
    const Strings calls = recorder.Calls();
    EXPECT_EQ(Strings(calls.begin(), calls.begin() + 3), (Strings{"RotorOpen", "RadioOpen 258", "M 2 4097"}));
    EXPECT_EQ(calls.back(), "RadioClose");
    // Where each step points and tunes, step by step, and the DDE text once
    // stopped, are checked on the real daemons (e2e.tracking_level1).
    EXPECT_EQ(recorder.Calls("show").size(), 3u);
    int az = 0, el = 0;
    ASSERT_EQ(std::sscanf(recorder.Calls("P ")[0].c_str(), "P %d %d", &az, &el), 2);
    EXPECT_GT(el, 90);  // the overhead pass is worked over the back
    EXPECT_TRUE(notices.Shown().empty());
}

// A rotor driver that fails is the daemon faults scenario's (e2e.tracking_daemon_faults).
TEST_F(TrackingControllerTest, ARadioDriverFailureIsToldAndTrackingGoesOn) {
    recorder.rotorOpenResult = 0x10000;  // only the low 16 bits say whether it opened
    recorder.radioOpenResult = 1;
    Controller().StartTracking(false, false, "ISS");
    WaitForSteps(1);
    EXPECT_EQ(data.TextWithNul().rfind("SNISS AZ", 0), 0u);
    ASSERT_EQ(notices.Shown().size(), 1u);
    EXPECT_EQ(notices.Shown()[0].text, kRadioDriverFailedText);
    EXPECT_EQ(notices.Shown()[0].icon, NoticeIcon::Error);
    EXPECT_EQ(recorder.Calls("P ").size(), 1u);
    EXPECT_TRUE(recorder.Calls("F ").empty());
}

TEST_F(TrackingControllerTest, AnUnknownSatelliteIsToldExceptOnTheDriverRotator) {
    Controller().StartTracking(false, false, "NO-SUCH");
    EXPECT_TRUE(notices.Shown().empty());
    settings.general.rotatorType = kRotatorDde;
    controller.reset();
    Controller().StartTracking(false, false, "NO-SUCH");
    EXPECT_EQ(ShownTexts(notices), Strings{std::string(kRotorErrorCaption) + ": " + kRotatorNotMovedText});
    EXPECT_EQ(errorSounds, 1);
    EXPECT_EQ(tracked, 0);
}

TEST_F(TrackingControllerTest, LinkSelectionAndFineOffsetReachTheNextStep) {
    settings.general.rotatorType = kRotatorDde;
    Controller().StartTracking(false, true, "ISS");
    WaitForSteps(1);
    auto sat = registry.Open(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\ISS");
    RegWriteDouble(*sat, "Uplink 3", 1269.5);
    Controller().SelectLink('3', true);
    Controller().SelectLink('4', false);  // missing: 0 Hz
    Controller().SetFineOffset(-500);
    Controller().Step();
    const std::string text = data.TextWithNul();
    EXPECT_NE(text.find(" UP12694"), std::string::npos) << text;  // 1269.5 MHz, a few kHz of Doppler
    EXPECT_NE(text.find(" DN-500 "), std::string::npos) << text;
    EXPECT_TRUE(recorder.Calls("P").empty());
}

TEST_F(TrackingControllerTest, ReadBackShowsTheRotatorsOwnPosition) {
    settings.general.rotorDisplay = 0;
    Controller().InitRotator();
    while (!sync.shutdown.IsSet()) std::this_thread::yield();  // after two read-backs
    Controller().Shutdown();
    EXPECT_EQ(recorder.Calls(), (Strings{"RotorOpen", "p", "show 271 12", "p", "show 271 12", "RotorClose"}));
}

}  // namespace
}  // namespace tarvon
