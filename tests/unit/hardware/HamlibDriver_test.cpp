#include "hardware/HamlibDriver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <optional>
#include <thread>

#include "hardware/DriverCodes.h"

namespace tarvon {
namespace {

using Clock = std::chrono::steady_clock;
using Strings = std::vector<std::string>;
constexpr DaemonTimeouts kShort{200, 200, 400};
constexpr uint16_t kRotctld = 4533, kRigctld = 4532;

// What a daemon says to a command line: nothing (a slow daemon is a silent
// one to a caller whose time is up), no bytes (it closes), or its answer.
using Reply = std::optional<std::string>;
using Script = std::function<Reply(const std::string& line)>;

// Daemons on every port, answering by a script and taking their time as a
// socket would: a caller that waits longer than it allows itself is seen.
class ScriptedDaemons final : public NetConnector {
public:
    explicit ScriptedDaemons(Script script) : script_(std::move(script)) {}
    std::unique_ptr<NetConnection> Connect(const std::string&, uint16_t port, uint32_t) override {
        ++connections;
        return std::make_unique<Connection>(script_, lines[port]);
    }
    std::map<uint16_t, Strings> lines;  // the command lines each port received
    int connections = 0;

private:
    class Connection final : public NetConnection {
    public:
        Connection(const Script& script, Strings& lines) : script_(script), lines_(lines) {}
        NetStatus Send(std::string_view bytes, uint32_t) override {
            lines_.emplace_back(bytes.substr(0, bytes.find('\n')));
            reply_ = script_(lines_.back());
            return NetStatus::Ok;
        }
        NetStatus Receive(std::string& into, uint32_t timeoutMs) override {
            if (!reply_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
                return NetStatus::TimedOut;
            }
            if (reply_->empty()) return NetStatus::Closed;
            into += *std::exchange(reply_, std::nullopt);
            return NetStatus::Ok;
        }

    private:
        const Script& script_;
        Strings& lines_;
        Reply reply_;
    };
    Script script_;
};

// A daemon that answers every command as the dummy daemons do.
Reply DummyDaemon(const std::string& line) {
    if (line == "+\\dump_state") {
        return ("dump_state:\nMinimum Azimuth: 0.0\nMaximum Azimuth: 360.0\n"
                      "Minimum Elevation: 0.0\nMaximum Elevation: 90.0\nRPRT 0\n");
    }
    if (line == "+p") return "get_pos:\nAzimuth: 123.70\nElevation: 45.20\nRPRT 0\n";
    if (line == "+f") return "get_freq:\nFrequency: 145900000\nRPRT 0\n";
    return line.substr(1) + "\nRPRT 0\n";
}

DaemonEndpoints Endpoints() { return {{"127.0.0.1", kRotctld}, {"127.0.0.1", kRigctld}}; }

TEST(DaemonClient, EveryBadPeerEndsTheExchangeInTime) {
    struct Case {
        const char* what;
        Reply reply;
        ExchangeResult result;
    } cases[] = {
        {"silent", std::nullopt, ExchangeResult::TimedOut},
        {"closes", "", ExchangeResult::Closed},
        {"half an answer", "get_pos:\nAzim", ExchangeResult::TimedOut},
        {"noise", std::string(20000, '\x01'), ExchangeResult::Garbage},
        {"bad end", "RPRT ok\n", ExchangeResult::Garbage},
    };
    for (const Case& c : cases) {
        ScriptedDaemons daemon([&](const std::string&) { return c.reply; });
        DaemonClient client(daemon, kShort);
        client.Reset({"127.0.0.1", kRotctld});
        DaemonReply reply;
        const auto start = Clock::now();
        EXPECT_EQ(client.Exchange("+p\n", reply), c.result) << c.what;
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(300)) << c.what;
    }
}

TEST(DaemonClient, AfterAFailureItWaitsThenConnectsAgain) {
    bool silent = true;
    ScriptedDaemons daemon([&](const std::string&) { return silent ? std::nullopt : Reply("RPRT 0\n"); });
    DaemonClient client(daemon, kShort);
    client.Reset({"127.0.0.1", kRotctld});
    DaemonReply reply;
    EXPECT_EQ(client.Exchange("+K\n", reply), ExchangeResult::TimedOut);
    silent = false;
    // Within the pause the daemon is not asked at all.
    EXPECT_EQ(client.Exchange("+K\n", reply), ExchangeResult::NoConnection);
    EXPECT_EQ(daemon.lines[kRotctld].size(), 1u);
    std::this_thread::sleep_for(std::chrono::milliseconds(450));
    EXPECT_EQ(client.Exchange("+K\n", reply), ExchangeResult::Answered);
    EXPECT_EQ(daemon.connections, 2);
}

struct DriverFixture : ::testing::Test {
    ScriptedDaemons daemons{DummyDaemon};
    HamlibDriver driver{daemons, Endpoints, kShort};
};

TEST_F(DriverFixture, RotorPositionsAreClampedAndReadBack) {
    ASSERT_EQ(driver.RotorOpen(), kDriverOpened);
    driver.RotorSetPosition(20, 150);
    driver.RotorSetPosition(400, -2);
    int16_t az = -1, el = -1;
    driver.RotorGetPosition(az, el);
    EXPECT_EQ(az, 123);
    EXPECT_EQ(el, 45);
    EXPECT_EQ(daemons.lines[kRotctld], (Strings{"+\\dump_state", "+P 20 90", "+P 360 0", "+p"}));
}

TEST_F(DriverFixture, UplinkGoesOutAsTheSplitFrequencyOnlyWhenAsked) {
    struct Case {
        uint32_t mask;
        Strings lines;
    } cases[] = {
        {0x0201, {"+f", "+S 1 VFOB", "+M FM 10000", "+X USB 0", "+F 145800000", "+I 435000000"}},
        {0x0001, {"+f", "+M FM 10000", "+F 145800000"}},
    };
    for (const Case& c : cases) {
        daemons.lines.clear();
        ASSERT_EQ(driver.RadioOpen(c.mask), kDriverOpened);
        driver.RadioSetMode(RadioModeCode(2), RadioModeCode(3));
        driver.RadioSetFrequency(145800000, 435000000);
        driver.RadioClose();
        EXPECT_EQ(daemons.lines[kRigctld], c.lines) << c.mask;
    }
}

TEST(HamlibDriver, AFailedOpenLeavesTheDaemonAlone) {
    ScriptedDaemons silent([](const std::string&) { return std::nullopt; });
    HamlibDriver driver(silent, Endpoints, kShort);
    EXPECT_EQ(driver.RotorOpen(), kDriverNotOpened);
    EXPECT_EQ(driver.RadioOpen(0x201), kDriverNotOpened);
    // Steps after a failed open ask nothing until the pause is over.
    driver.RotorSetPosition(10, 10);
    driver.RadioSetFrequency(1, 2);
    EXPECT_EQ(silent.lines, (std::map<uint16_t, Strings>{{kRotctld, {"+\\dump_state"}}, {kRigctld, {"+f"}}}));
    EXPECT_EQ(DescribeDaemonAnswer(silent, {"127.0.0.1", kRotctld}, true, kShort),
              "rotctld at 127.0.0.1:4533: no answer in time.");
}

}  // namespace
}  // namespace tarvon
