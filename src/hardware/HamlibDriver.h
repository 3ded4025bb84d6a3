#pragma once
// The driver library's work: the rotator through rotctld, the radio through
// rigctld. The downlink is the radio's main frequency; an uplink, when the
// band mask asks for one, is tuned as the split transmit frequency.
#include <functional>
#include <mutex>
#include <string>

#include "hardware/DaemonClient.h"
#include "hardware/DaemonEndpoints.h"
#include "hardware/RotorRadioDriver.h"

namespace tarvon {

constexpr uint32_t kDriverOpened = 0;
constexpr uint32_t kDriverNotOpened = 1;

class HamlibDriver final : public RotorRadioDriver {
public:
    // `endpoints` is asked at each open, so that new settings take effect then.
    HamlibDriver(NetConnector& connector, std::function<DaemonEndpoints()> endpoints,
                 DaemonTimeouts timeouts = {});

    uint32_t RotorOpen() override;
    void RotorClose() override;
    void RotorSetPosition(int32_t azimuth, int32_t elevation) override;
    void RotorGetPosition(int16_t& azimuth, int16_t& elevation) override;
    uint32_t RadioOpen(uint32_t bandMask) override;
    void RadioClose() override;
    void RadioSetFrequency(uint32_t downlinkHz, uint32_t uplinkHz) override;
    void RadioSetMode(uint32_t downlinkCode, uint32_t uplinkCode) override;

private:
    bool Ask(DaemonClient& daemon, const std::string& command, DaemonReply& reply);

    std::function<DaemonEndpoints()> endpoints_;
    DaemonClient rotor_;
    DaemonClient radio_;
    std::mutex stateMutex_;  // guards the two values below
    RotatorLimits limits_;
    bool split_ = false;  // the uplink goes out as the split transmit frequency
};

// One line for the set-up dialog's "Test": what the daemon at `endpoint`
// answered to a position (rotator) or frequency (radio) query.
std::string DescribeDaemonAnswer(NetConnector& connector, const DaemonEndpoint& endpoint, bool rotator,
                                 DaemonTimeouts timeouts = {});

}  // namespace tarvon
