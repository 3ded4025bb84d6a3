// One tracking step of the ISS in a pass over Cambridge, as the tracking
// thread runs it every 2 s: look angles, Doppler, the text line and the
// TrackData record, the rotor display, and the driver's rotor and radio
// commands. Once with the driver's calls taking no time, once with the
// driver library's real work: each command a TCP exchange with a daemon
// (here a responder thread that answers every line at once).
#include <benchmark/benchmark.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "BenchData.h"
#include "hardware/HamlibDriver.h"
#include "hardware/TrackingController.h"
#include "hardware/TrackingData.h"
#include "orbit/ObserverGeometry.h"
#include "platform/memory/FakeClock.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/ScriptedWaits.h"

namespace tarvon {
namespace {

constexpr int32_t kInPass = 1778462561;  // an ISS pass over Cambridge

class QuietDriver final : public RotorRadioDriver {
public:
    uint32_t RotorOpen() override { return 0; }
    void RotorClose() override {}
    void RotorSetPosition(int32_t az, int32_t el) override { benchmark::DoNotOptimize(az + el); }
    void RotorGetPosition(int16_t&, int16_t&) override {}
    uint32_t RadioOpen(uint32_t) override { return 0; }
    void RadioClose() override {}
    void RadioSetFrequency(uint32_t down, uint32_t up) override { benchmark::DoNotOptimize(down + up); }
    void RadioSetMode(uint32_t, uint32_t) override {}
};

class NoDisplay final : public RotorDisplayPort {
public:
    void ShowRotorPosition(double az, double el) override { benchmark::DoNotOptimize(az + el); }
};

// A daemon at the other end of a socket pair: "RPRT 0" for every line.
class SocketPairConnection final : public NetConnection {
public:
    SocketPairConnection() {
        socketpair(AF_UNIX, SOCK_STREAM, 0, ends_);
        responder_ = std::thread([fd = ends_[1]] {
            char c;
            while (read(fd, &c, 1) == 1) {
                if (c == '\n' && write(fd, "RPRT 0\n", 7) != 7) break;
            }
        });
    }
    ~SocketPairConnection() override {
        shutdown(ends_[0], SHUT_RDWR);
        responder_.join();
        close(ends_[0]);
        close(ends_[1]);
    }
    NetStatus Send(std::string_view bytes, uint32_t) override {
        return write(ends_[0], bytes.data(), bytes.size()) == ssize_t(bytes.size()) ? NetStatus::Ok : NetStatus::Closed;
    }
    NetStatus Receive(std::string& into, uint32_t) override {
        char buffer[64];
        const ssize_t n = read(ends_[0], buffer, sizeof buffer);
        if (n <= 0) return NetStatus::Closed;
        into.append(buffer, size_t(n));
        return NetStatus::Ok;
    }

private:
    int ends_[2];
    std::thread responder_;
};

class SocketPairConnector final : public NetConnector {
public:
    std::unique_ptr<NetConnection> Connect(const std::string&, uint16_t, uint32_t) override {
        return std::make_unique<SocketPairConnection>();
    }
};

struct Station {
    MemoryRegistry registry;
    FakeClock clock{int64_t{kInPass} * 1000};
    ScriptedWaits waits;
    RecordingNotices notices;
    MemoryStationLog log;
    PlatformServices platform{registry, clock, waits, notices, log};
    SyncObjects sync;
    Settings settings;
    KepsDatabase keps = BulletinDatabase();
    TrackingDataBuffers data;
    NoDisplay display;

    Station() {
        settings.station.latitude = 52.2;
        settings.station.longitude = -0.12;
        settings.general.rotatorType = kRotatorLevel1;
        auto sat = registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\ISS");
        RegWriteString(*sat, "Name", "ISS");
        RegWriteDouble(*sat, "Uplink 1", 145.99);
        RegWriteDouble(*sat, "Downlink 1", 437.8);
        // The tracking thread makes its first step and stops; the benchmark makes the rest.
        waits.OnWait([](const WaitCall& call) { call.events.back()->Set(); });
    }
};

void RunSteps(benchmark::State& state, RotorRadioDriver& driver) {
    Station s;
    TrackingController controller(TrackingServices{s.platform, s.sync, s.settings, s.keps,
                                                   ObserverFromStation(s.settings.station), s.data, s.display,
                                                   &driver, [] {}});
    controller.StartTracking(false, false, "ISS");
    int64_t second = 0;
    for (auto _ : state) {
        s.clock.SetNowUnix(kInPass + int32_t(++second % 300));
        controller.Step();
    }
    controller.StartTracking(true, true, "");
}

void BM_TrackingStep(benchmark::State& state) {
    QuietDriver driver;
    RunSteps(state, driver);
}
BENCHMARK(BM_TrackingStep)->Unit(benchmark::kMicrosecond);

void BM_TrackingStepThroughTheDaemons(benchmark::State& state) {
    SocketPairConnector connector;
    HamlibDriver driver(connector, [] { return DaemonEndpoints{}; });
    RunSteps(state, driver);
}
BENCHMARK(BM_TrackingStepThroughTheDaemons)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvon
