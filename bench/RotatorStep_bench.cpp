// One tracking step's output as the rotator link produces it every 2 s: the
// line formatted and written to the port, per streaming rotator type. The
// port takes the bytes and drops them, so only our own work is measured.
#include <benchmark/benchmark.h>

#include "core/Settings.h"
#include "hardware/RotatorLink.h"
#include "hardware/StationTimers.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/Waits.h"

namespace tarvon {
namespace {

class DroppingPort final : public SerialPort {
public:
    bool Write(std::string_view bytes) override {
        written += bytes.size();
        return true;
    }
    SerialRead ReadByte(uint8_t&, uint32_t) override { return SerialRead::Closed; }
    void Purge() override {}
    void Close() override {}
    size_t written = 0;
};

class DroppingPorts final : public SerialPorts {
public:
    std::shared_ptr<SerialPort> Open(uint32_t, const SerialOpenOptions&) override { return port; }
    std::shared_ptr<DroppingPort> port = std::make_shared<DroppingPort>();
};

class NoTimers final : public StationTimers {
public:
    void Arm(StationTimer, uint32_t) override {}
    void Stop(StationTimer) override {}
};

void TrackingStepOutput(benchmark::State& state) {
    GeneralSettings settings;
    settings.rotatorType = static_cast<uint32_t>(state.range(0));
    DroppingPorts ports;
    RealWaits waits;
    NoTimers timers;
    RecordingNotices notices;
    RotatorLink link({ports, waits, notices, timers, settings, nullptr});
    link.StartOutput("AO-16", false);
    RotatorStep step;
    step.phase = 123.4;
    step.uplinkHz = 145.9e6;
    step.downlinkHz = 435.8e6;
    step.uplinkMode = "FM-N";
    step.downlinkMode = "USB";
    double azimuth = 0.0;
    for (auto _ : state) {
        azimuth = azimuth >= 356.0 ? 0.0 : azimuth + 4.0;  // GS232 sends on every step
        step.azimuth = azimuth;
        step.elevation = azimuth / 4.0;
        link.SendStep(step);
    }
    benchmark::DoNotOptimize(ports.port->written);
    state.SetLabel(kRotatorTypeNames[state.range(0)]);
}
BENCHMARK(TrackingStepOutput)
    ->Arg(static_cast<int>(kRotatorEasyComm1))
    ->Arg(static_cast<int>(kRotatorEasyComm2))
    ->Arg(static_cast<int>(kRotatorGs232));

}  // namespace
}  // namespace tarvon
