#include "hardware/RotatorLink.h"

#include <gtest/gtest.h>

#include <atomic>

#include "Hardware_helpers.h"

namespace tarvon {
namespace {

class RotatorLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        link.SetHooks({[this] { ++loopStops; }, [](double, double) {}});
    }
    void Use(RotatorType type, uint32_t pacing = 0) {
        settings.rotatorType = static_cast<uint32_t>(type);
        settings.pacingDelay = pacing;
    }
    // The device answers each command that it knows with its text.
    void Answer(std::vector<std::pair<std::string, std::string>> script) {
        ports.SetDevice([script](const std::string& written) {
            for (const auto& [command, answer] : script) {
                if (written == command) return answer;
            }
            return std::string();
        });
    }
    bool Closed() { return ports.WaitFor([&] { return !ports.AnyOpen(); }); }

    GeneralSettings settings;
    ScriptedSerialPorts ports;
    ScriptedWaits waits;
    RecordingNotices notices;
    RecordingTimers timers;
    std::atomic<int> errorSounds{0};
    std::atomic<int> loopStops{0};
    std::mutex mutex;
    RotatorLink link{{ports, waits, notices, timers, settings, [this] { ++errorSounds; }}};
};

const char* kTimedOut = "Rotator Problem: The rotator has timed out.";
const char* kInitFailed = "Rotator Error: Unable to initialise rotator communications";

TEST_F(RotatorLinkTest, PacingSendsOneByteAtATime) {
    Use(kRotatorGs232, 20);
    ASSERT_TRUE(link.StartOutput("AO-16", false));
    RotatorStep step;
    step.azimuth = 90.0;
    step.elevation = 45.0;
    link.SendStep(step);
    EXPECT_EQ(ports.Writes(), (Strings{"W", "9", "0", " ", "4", "5", "\n"}));
    EXPECT_EQ(waits.Durations(), std::vector<uint32_t>(7, 20));
    EXPECT_EQ(ports.Opens()[0].number, 1u);
    EXPECT_EQ(ports.Opens()[0].options.speed, 9600u);
}

TEST_F(RotatorLinkTest, TrakBoxWithoutTheSatelliteStopsTracking) {
    Use(kRotatorTrakBox);
    Answer({{"Q\n", "Main menu [1-4,M]:"}, {"1", " 07. UO-22\rAO-16 has no number before it\rSelect satellite:"}});
    ASSERT_TRUE(link.StartOutput("AO-16", false));
    ASSERT_TRUE(Closed());
    ASSERT_TRUE(ports.WaitFor([&] { return !notices.Shown().empty(); }));
    EXPECT_EQ(ShownTexts(notices), Strings{"TrakBox Error: Satellite not found in TrakBox database"});
    EXPECT_EQ(loopStops, 1);
}

TEST_F(RotatorLinkTest, SilentOrVanishedBoxTimesOutAndTheNextStartWorks) {
    for (bool vanish : {false, true}) {
        SCOPED_TRACE(vanish);
        Use(kRotatorTrakBox);
        ASSERT_TRUE(link.StartOutput("AO-16", false));
        ports.Send(std::string(3000, '\x7f') + "\x01\xfe" + std::string(600, 'x'));  // noise, no line end
        if (vanish) ports.Vanish();
        link.OnTimeout();
        EXPECT_FALSE(link.PortOpen());
        EXPECT_EQ(ShownTexts(notices).back(), kTimedOut);
    }
    EXPECT_EQ(loopStops, 2);
    EXPECT_EQ(errorSounds, 2);
    Answer({{"Q\n", "Main menu [1-4,M]:"}});
    ASSERT_TRUE(link.StartOutput("AO-16", false));
    EXPECT_TRUE(ports.WaitFor([&] { return ports.Written().size() >= 2 && ports.Written().back() == '1'; }));
}

TEST_F(RotatorLinkTest, TrakBoxListNamesTheMenuSatellites) {
    Use(kRotatorTrakBox);
    Answer({{"Q\n", "Main menu [1-4,M]:"}, {"1", " 1. AO-16   2. UO-22 x\rv1.2 trailing.\rSelect:"}});
    Strings names;
    ASSERT_TRUE(link.ListTrakBoxSatellites([&](const std::string& n) {
        std::lock_guard<std::mutex> lock(mutex);
        names.push_back(n);
    }));
    ASSERT_TRUE(Closed());
    std::lock_guard<std::mutex> lock(mutex);
    EXPECT_EQ(names, (Strings{"AO-16", "UO-22"}));
}

TEST_F(RotatorLinkTest, SatTrakSelectionThenAWaitingUplinkSelection) {
    Use(kRotatorSatTrak);
    ASSERT_TRUE(link.StartOutput("AO-16", false));
    link.SelectFrequency(true, 'B', 145.9e6);  // the select dialogue still runs
    EXPECT_EQ(ports.Written(), "W");
    Answer({{"S", "Satellite>"}, {"W", "Kova SatTrak>"}, {"U", "Uplink>"}});
    ports.Send("Kova SatTrak>");
    ASSERT_TRUE(ports.WaitFor([&] { return ports.Writes().size() == 6 && !ports.AnyOpen(); }));
    EXPECT_EQ(ports.Writes(), (Strings{"W", "S", "AO-16\r\n", "W", "U", "145900000.000000\r\n"}));
    // 125 ms before each answer but the first; 50 ms after the wake, 100 ms before the port closes.
    EXPECT_EQ(waits.Durations(), (std::vector<uint32_t>{50, 125, 100, 50, 125, 125, 100}));
    EXPECT_EQ(timers.Requests().front(), "arm 103 55000");
}

TEST_F(RotatorLinkTest, OpenFailureOfEachType) {
    ports.FailOpens(true);
    settings.rotatorPort = 99;
    const struct {
        RotatorType type;
        bool goOn;
        bool message;
    } cases[] = {
        {kRotatorTrakBox, true, true},    {kRotatorSatTrak, true, true},
        {kRotatorEasyComm1, false, true}, {kRotatorEasyComm2, false, true},
        {kRotatorGs232, false, true},     {kRotatorLevel1, true, false},
        {kRotatorNone, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        Use(c.type);
        const size_t before = notices.Shown().size();
        EXPECT_EQ(link.StartOutput("AO-16", false), c.goOn);
        link.SendStep({});
        EXPECT_EQ(notices.Shown().size(), before + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(ShownTexts(notices).back(), kInitFailed);
        }
    }
    EXPECT_TRUE(ports.Writes().empty());
    EXPECT_EQ(ports.Opens().back().number, 99u);
}

}  // namespace
}  // namespace tarvon
