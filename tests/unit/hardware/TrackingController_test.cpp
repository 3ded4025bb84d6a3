#include "hardware/TrackingController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <thread>

#include "core/FileReplace.h"
#include "core/TimeScales.h"
#include "hardware/RotorRadioDriver.h"
#include "hardware/TrackingData.h"
#include "hardware/TrackingTexts.h"
#include "orbit/ElementImport.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/Propagation.h"
#include "platform/memory/FakeClock.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/ScriptedWaits.h"

namespace tarvon {
namespace {

// An ISS pass over Cambridge: AOS 1778462261, LOS 1778462893, overhead in flip mode.
constexpr int32_t kInPass = 1778462561;

class RecordingDriver final : public RotorRadioDriver {
public:
    uint32_t RotorOpen() override { return Note("RotorOpen"), rotorOpenResult; }
    void RotorClose() override { Note("RotorClose"); }
    void RotorSetPosition(int32_t az, int32_t el) override { Note("P " + std::to_string(az) + " " + std::to_string(el)); }
    void RotorGetPosition(int16_t& az, int16_t& el) override { Note("p"), az = 271, el = 12; }
    uint32_t RadioOpen(uint32_t mask) override { return Note("RadioOpen " + std::to_string(mask)), radioOpenResult; }
    void RadioClose() override { Note("RadioClose"); }
    void RadioSetFrequency(uint32_t down, uint32_t up) override {
        Note("F " + std::to_string(down) + " " + std::to_string(up));
    }
    void RadioSetMode(uint32_t down, uint32_t up) override { Note("M " + std::to_string(down) + " " + std::to_string(up)); }

    std::vector<std::string> Calls() {
        std::lock_guard<std::mutex> lock(mutex_);
        return calls_;
    }
    uint32_t rotorOpenResult = 0, radioOpenResult = 0;

private:
    void Note(const std::string& call) {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back(call);
    }
    std::mutex mutex_;
    std::vector<std::string> calls_;
};

class Display final : public RotorDisplayPort {
public:
    void ShowRotorPosition(double az, double el) override {
        std::lock_guard<std::mutex> lock(mutex);
        shown.emplace_back(az, el);
    }
    std::mutex mutex;
    std::vector<std::pair<double, double>> shown;
};

class TrackingControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<uint8_t> file;
        ASSERT_TRUE(ReadWholeFile(std::string(TARVON_TEST_DATA) + "/tle_bbs_bulletin_2026-05.txt", file));
        ImportReport report;
        ImportTwoLineFile(file, keps, report);
        settings.station.latitude = 52.2;
        settings.station.longitude = -0.12;
        settings.station.altitude = 20;
        settings.general.rotatorType = kRotatorLevel1;
        auto sat = registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\ISS");
        RegWriteString(*sat, "Name", "ISS");
        RegWriteDouble(*sat, "Uplink 1", 145.99);
        RegWriteDouble(*sat, "Downlink 2", 437.8);
        RegWriteDword(*sat, "Default Downlink", 2);
        RegWriteDword(*sat, "Downlink Mode", 3);
        clock.SetNowUnix(kInPass);
        // The tracking thread works `steps` steps, then is told to stop.
        waits.OnWait([this](const WaitCall& call) {
            if (call.events.size() == 2 && ++tracked >= steps) call.events[1]->Set();
            if (call.events.size() == 1 && ++readBacks >= 3) call.events[0]->Set();
        });
    }

    TrackingController& Controller() {
        if (!controller) {
            controller = std::make_unique<TrackingController>(TrackingServices{
                services, sync, settings, keps, ObserverFromStation(settings.station), data, display, &driver,
                [this] { ++errorSounds; }});
        }
        return *controller;
    }

    void WaitForSteps(int n) {
        while (tracked < n) std::this_thread::yield();
    }

    // The satellite as the orbit model sees it at `t`: azimuth, elevation, range rate.
    std::tuple<double, double, double> LookAt(int32_t t) {
        SatState s;
        InitSatState(keps.slots[FindKepsByName(keps, "ISS")], s, DayNumberFromUnixTime(t));
        ObserverGeo o = ObserverFromStation(settings.station);
        UpdateLookAngles(s, o);
        return {s.azimuth * 57.29577951308232, s.elevation * 57.29577951308232, o.rangeRate};
    }

    MemoryRegistry registry;
    FakeClock clock;
    ScriptedWaits waits{&clock};
    RecordingNotices notices;
    MemoryStationLog log;
    PlatformServices services{registry, clock, waits, notices, log};
    SyncObjects sync;
    Settings settings;
    KepsDatabase keps;
    TrackingDataBuffers data;
    Display display;
    RecordingDriver driver;
    int errorSounds = 0;
    std::atomic<int> tracked{0}, readBacks{0};
    int steps = 1;
    std::unique_ptr<TrackingController> controller;
};

TEST_F(TrackingControllerTest, Level1PointsTheAntennaAndTunesForDoppler) {
    steps = 3;
    Controller().StartTracking(false, false, "ISS");
    WaitForSteps(3);
    Controller().StartTracking(true, true, "");
    const std::vector<std::string> calls = driver.Calls();
    ASSERT_EQ(calls.size(), 3u + 2 * 3 + 1) << ::testing::PrintToString(calls);
    // Downlink 437.8 MHz (band bit 2), uplink 145.99 MHz (band bit 1 in the second byte).
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 3),
              (std::vector<std::string>{"RotorOpen", "RadioOpen 258", "M 2 4097"}));
    for (int step = 0; step < 3; ++step) {
        const auto [az, el, rangeRate] = LookAt(kInPass + 2 * step);
        ASSERT_GT(el, 0.0);
        const double k = rangeRate / 299792.458;
        char position[40], tuning[40];
        std::snprintf(position, sizeof position, "P %d %d", int(az), int(el));
        std::snprintf(tuning, sizeof tuning, "F %u %u", unsigned((1 - k) * 437.8e6), unsigned((1 + k) * 145.99e6));
        EXPECT_EQ(calls[3 + 2 * step], position) << step;
        EXPECT_NEAR(std::stod(calls[4 + 2 * step].substr(2)), std::stod(tuning + 2), 2.0) << calls[4 + 2 * step];
    }
    EXPECT_EQ(calls.back(), "RadioClose");
    EXPECT_EQ(waits.Durations(), (std::vector<uint32_t>{2000, 2000, 2000}));
    EXPECT_EQ(data.TextWithNul(), std::string(kNoSatelliteText) + '\0');
    EXPECT_TRUE(notices.Shown().empty());
}

TEST_F(TrackingControllerTest, FlipModeWorksAnOverheadPassOverTheBack) {
    settings.general.flip = 1;
    Controller().StartTracking(false, true, "ISS");
    WaitForSteps(1);
    const auto [az, el, rangeRate] = LookAt(kInPass);
    const std::string record(reinterpret_cast<const char*>(data.Record().data()), 69);
    double sentAz, sentEl;
    std::memcpy(&sentAz, record.data() + 13, 8);
    std::memcpy(&sentEl, record.data() + 21, 8);
    EXPECT_NEAR(sentEl, 180.0 - el, 1e-6);
    EXPECT_NEAR(std::fmod(sentAz + 180.0, 360.0), std::fmod(az, 360.0), 1e-6);
    EXPECT_EQ(display.shown.size(), 1u);
}

TEST_F(TrackingControllerTest, DriverFailuresAreToldAndTrackingGoesOn) {
    struct Case {
        uint32_t rotorResult, radioResult;
        const char* text;
        bool steered;
    } cases[] = {
        {0x10000, 1, kRadioDriverFailedText, true},  // only the low 16 bits say whether it opened
        {1, 0, kRotorDriverFailedText, false},
    };
    for (const Case& c : cases) {
        driver.rotorOpenResult = c.rotorResult;
        driver.radioOpenResult = c.radioResult;
        controller.reset();
        tracked = 0;
        const size_t shown = notices.Shown().size();
        Controller().StartTracking(false, false, "ISS");
        WaitForSteps(1);
        EXPECT_NE(data.TextWithNul().find("SNISS AZ"), std::string::npos);
        ASSERT_EQ(notices.Shown().size(), shown + 1);
        EXPECT_EQ(notices.Shown().back().text, c.text);
        EXPECT_EQ(notices.Shown().back().icon, NoticeIcon::Error);
        EXPECT_EQ(driver.Calls().back().rfind("P ", 0) == 0, c.steered) << ::testing::PrintToString(driver.Calls());
    }
}

TEST_F(TrackingControllerTest, UnknownSatellite) {
    struct Case {
        uint32_t type;
        size_t notices;
        int sounds;
    } cases[] = {{kRotatorLevel1, 0, 0}, {kRotatorDde, 1, 1}};
    for (const Case& c : cases) {
        settings.general.rotatorType = c.type;
        controller.reset();
        errorSounds = 0;
        Controller().StartTracking(false, false, "NO-SUCH");
        EXPECT_EQ(notices.Shown().size(), c.notices);
        EXPECT_EQ(errorSounds, c.sounds);
        EXPECT_EQ(tracked, 0);
    }
    EXPECT_EQ(notices.Shown()[0].text, kRotatorNotMovedText);
    EXPECT_EQ(notices.Shown()[0].caption, kRotorErrorCaption);
}

TEST_F(TrackingControllerTest, StopParksTheAntennaWithinItsTravel) {
    settings.general.park = 1;
    settings.general.parkAz = 9999;
    settings.general.parkEl = 45;
    Controller().InitRotator();
    Controller().StartTracking(true, true, "");
    EXPECT_EQ(driver.Calls(), (std::vector<std::string>{"RotorOpen", "P 360 45"}));
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
    EXPECT_TRUE(driver.Calls().empty());
}

TEST_F(TrackingControllerTest, ReadBackShowsTheRotatorsOwnPosition) {
    settings.general.rotorDisplay = 0;
    Controller().InitRotator();
    while (!sync.shutdown.IsSet()) std::this_thread::yield();  // after two read-backs
    Controller().Shutdown();
    EXPECT_EQ(driver.Calls(), (std::vector<std::string>{"RotorOpen", "p", "p", "RotorClose"}));
    ASSERT_EQ(display.shown.size(), 2u);
    EXPECT_EQ(display.shown[1], std::make_pair(271.0, 12.0));
}

TEST_F(TrackingControllerTest, StartUpWithoutADaemonIsToldOnce) {
    driver.rotorOpenResult = 1;
    Controller().InitRotator();
    ASSERT_EQ(notices.Shown().size(), 1u);
    EXPECT_EQ(notices.Shown()[0].text, kRotatorInitFailedText);
    EXPECT_EQ(notices.Shown()[0].caption, kRotatorErrorCaption);
    EXPECT_EQ(errorSounds, 1);
}

}  // namespace
}  // namespace tarvon
