#include "hardware/HamlibDriver.h"

#include <gtest/gtest.h>

#include <chrono>

#include "TcpPeer_helpers.h"
#include "hardware/DriverCodes.h"

namespace tarvon {
namespace {

using Clock = std::chrono::steady_clock;
constexpr DaemonTimeouts kShort{200, 200, 400};

PeerAction Answer(const std::string& text, int delayMs = 0) { return {PeerAction::Answer, text, delayMs}; }
PeerAction Silent() { return {PeerAction::Silent, "", 0}; }

// A daemon that answers every command as the dummy daemons do.
PeerAction DummyDaemon(const std::string& line) {
    if (line == "+\\dump_state") {
        return Answer("dump_state:\nMinimum Azimuth: 0.0\nMaximum Azimuth: 360.0\n"
                      "Minimum Elevation: 0.0\nMaximum Elevation: 90.0\nRPRT 0\n");
    }
    if (line == "+p") return Answer("get_pos:\nAzimuth: 123.70\nElevation: 45.20\nRPRT 0\n");
    if (line == "+f") return Answer("get_freq:\nFrequency: 145900000\nRPRT 0\n");
    return Answer(line.substr(1) + "\nRPRT 0\n");
}

TEST(DaemonClient, EveryBadPeerEndsTheExchangeInTime) {
    struct Case {
        const char* what;
        PeerAction action;
        ExchangeResult result;
    } cases[] = {
        {"answers", Answer("get_pos:\nAzimuth: 1\nElevation: 2\nRPRT 0\n"), ExchangeResult::Answered},
        {"silent", Silent(), ExchangeResult::TimedOut},
        {"slow", Answer("RPRT 0\n", 600), ExchangeResult::TimedOut},
        {"closes", {PeerAction::Close, "", 0}, ExchangeResult::Closed},
        {"half an answer", Answer("get_pos:\nAzim"), ExchangeResult::TimedOut},
        {"noise", Answer(std::string(20000, '\x01')), ExchangeResult::Garbage},
        {"bad end", Answer("RPRT ok\n"), ExchangeResult::Garbage},
    };
    for (const Case& c : cases) {
        TcpPeer peer([&](const std::string&) { return c.action; });
        PosixConnector connector;
        DaemonClient client(connector, kShort);
        client.Reset({"127.0.0.1", peer.Port()});
        DaemonReply reply;
        const auto start = Clock::now();
        EXPECT_EQ(client.Exchange("+p\n", reply), c.result) << c.what;
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(400)) << c.what;
    }
}

TEST(DaemonClient, AfterAFailureItWaitsThenConnectsAgain) {
    std::atomic<bool> silent{true};
    TcpPeer peer([&](const std::string&) { return silent ? Silent() : Answer("RPRT 0\n"); });
    PosixConnector connector;
    DaemonClient client(connector, kShort);
    client.Reset({"127.0.0.1", peer.Port()});
    DaemonReply reply;
    EXPECT_EQ(client.Exchange("+K\n", reply), ExchangeResult::TimedOut);
    silent = false;
    // Within the pause the daemon is not asked at all.
    const auto start = Clock::now();
    EXPECT_EQ(client.Exchange("+K\n", reply), ExchangeResult::NoConnection);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(450));
    EXPECT_EQ(client.Exchange("+K\n", reply), ExchangeResult::Answered);
    EXPECT_EQ(peer.accepted, 2);
}

struct DriverFixture : ::testing::Test {
    TcpPeer rotctld{DummyDaemon};
    TcpPeer rigctld{DummyDaemon};
    PosixConnector connector;
    HamlibDriver driver{connector,
                        [this] {
                            return DaemonEndpoints{{"127.0.0.1", rotctld.Port()}, {"127.0.0.1", rigctld.Port()}};
                        },
                        kShort};
};

TEST_F(DriverFixture, RotorPositionsAreClampedAndReadBack) {
    ASSERT_EQ(driver.RotorOpen(), kDriverOpened);
    driver.RotorSetPosition(20, 150);
    driver.RotorSetPosition(400, -2);
    int16_t az = -1, el = -1;
    driver.RotorGetPosition(az, el);
    EXPECT_EQ(az, 123);
    EXPECT_EQ(el, 45);
    EXPECT_EQ(rotctld.Lines(), (std::vector<std::string>{"+\\dump_state", "+P 20 90", "+P 360 0", "+p"}));
}

TEST_F(DriverFixture, UplinkGoesOutAsTheSplitFrequencyOnlyWhenAsked) {
    struct Case {
        uint32_t mask;
        std::vector<std::string> lines;
    } cases[] = {
        {0x0201, {"+f", "+S 1 VFOB", "+M FM 10000", "+X USB 0", "+F 145800000", "+I 435000000"}},
        {0x0001, {"+f", "+M FM 10000", "+F 145800000"}},
    };
    size_t seen = 0;
    for (const Case& c : cases) {
        ASSERT_EQ(driver.RadioOpen(c.mask), kDriverOpened);
        driver.RadioSetMode(RadioModeCode(2), RadioModeCode(3));
        driver.RadioSetFrequency(145800000, 435000000);
        driver.RadioClose();
        std::vector<std::string> lines = rigctld.Lines();
        EXPECT_EQ(std::vector<std::string>(lines.begin() + seen, lines.end()), c.lines) << c.mask;
        seen = lines.size();
    }
}

TEST(HamlibDriver, OpenFailsQuicklyWhenTheDaemonsDoNotAnswer) {
    TcpPeer silent([](const std::string&) { return Silent(); });
    PosixConnector connector;
    HamlibDriver driver(
        connector, [&] { return DaemonEndpoints{{"127.0.0.1", silent.Port()}, {"127.0.0.1", silent.Port()}}; },
        kShort);
    const auto start = Clock::now();
    EXPECT_EQ(driver.RotorOpen(), kDriverNotOpened);
    EXPECT_EQ(driver.RadioOpen(0x201), kDriverNotOpened);
    // Steps after a failed open cost nothing until the pause is over.
    driver.RotorSetPosition(10, 10);
    driver.RadioSetFrequency(1, 2);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(700));
    EXPECT_EQ(DescribeDaemonAnswer(connector, {"127.0.0.1", silent.Port()}, true, kShort),
              "rotctld at 127.0.0.1:" + std::to_string(silent.Port()) + ": no answer in time.");
}

}  // namespace
}  // namespace tarvon
