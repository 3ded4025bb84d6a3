#include "hardware/HamlibDriver.h"

#include <cmath>

namespace tarvon {

HamlibDriver::HamlibDriver(NetConnector& connector, std::function<DaemonEndpoints()> endpoints,
                           DaemonTimeouts timeouts)
    : endpoints_(std::move(endpoints)), rotor_(connector, timeouts), radio_(connector, timeouts) {}

bool HamlibDriver::Ask(DaemonClient& daemon, const std::string& command, DaemonReply& reply) {
    return daemon.Exchange(command, reply) == ExchangeResult::Answered && reply.code == 0;
}

uint32_t HamlibDriver::RotorOpen() {
    rotor_.Reset(endpoints_().rotator);
    DaemonReply reply;
    if (!Ask(rotor_, kDumpStateCommand, reply)) return kDriverNotOpened;
    std::lock_guard<std::mutex> lock(stateMutex_);
    limits_ = LimitsFromDumpState(reply);
    return kDriverOpened;
}

void HamlibDriver::RotorClose() { rotor_.Disconnect(); }

void HamlibDriver::RotorSetPosition(int32_t azimuth, int32_t elevation) {
    std::pair<int, int> position;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        position = ClampToLimits(limits_, azimuth, elevation);
    }
    DaemonReply reply;
    Ask(rotor_, SetPositionCommand(position.first, position.second), reply);
}

void HamlibDriver::RotorGetPosition(int16_t& azimuth, int16_t& elevation) {
    DaemonReply reply;
    double az = 0.0, el = 0.0;
    if (!Ask(rotor_, kGetPositionCommand, reply)) return;
    if (!reply.Number("Azimuth", az) || !reply.Number("Elevation", el)) return;
    if (std::fabs(az) > 32767.0 || std::fabs(el) > 32767.0) return;
    azimuth = static_cast<int16_t>(az);
    elevation = static_cast<int16_t>(el);
}

uint32_t HamlibDriver::RadioOpen(uint32_t bandMask) {
    radio_.Reset(endpoints_().radio);
    DaemonReply reply;
    if (!Ask(radio_, kGetFrequencyCommand, reply)) return kDriverNotOpened;
    // A radio without split still receives; the uplink is then left alone.
    const bool uplinkWanted = (bandMask >> 8 & 0xFF) != 0;
    const bool split = uplinkWanted && Ask(radio_, kSplitOnCommand, reply);
    std::lock_guard<std::mutex> lock(stateMutex_);
    split_ = split;
    return kDriverOpened;
}

void HamlibDriver::RadioClose() { radio_.Disconnect(); }

void HamlibDriver::RadioSetFrequency(uint32_t downlinkHz, uint32_t uplinkHz) {
    bool split;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        split = split_;
    }
    DaemonReply reply;
    if (downlinkHz != 0 && radio_.Exchange(SetFrequencyCommand(downlinkHz), reply) != ExchangeResult::Answered) {
        return;  // the daemon is gone for now: the uplink would fail alike
    }
    if (split && uplinkHz != 0) radio_.Exchange(SetTransmitFrequencyCommand(uplinkHz), reply);
}

void HamlibDriver::RadioSetMode(uint32_t downlinkCode, uint32_t uplinkCode) {
    bool split;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        split = split_;
    }
    DaemonReply reply;
    const std::string down = SetModeCommand(downlinkCode, false);
    if (!down.empty()) radio_.Exchange(down, reply);
    const std::string up = SetModeCommand(uplinkCode, true);
    if (split && !up.empty()) radio_.Exchange(up, reply);
}

std::string DescribeDaemonAnswer(NetConnector& connector, const DaemonEndpoint& endpoint, bool rotator,
                                 DaemonTimeouts timeouts) {
    DaemonClient daemon(connector, timeouts);
    daemon.Reset(endpoint);
    DaemonReply reply;
    std::string text = (rotator ? "rotctld at " : "rigctld at ") + endpoint.host + ":" +
                       std::to_string(endpoint.port) + ": ";
    const ExchangeResult result = daemon.Exchange(rotator ? kGetPositionCommand : kGetFrequencyCommand, reply);
    if (result != ExchangeResult::Answered) return text + ExchangeResultText(result) + ".";
    if (reply.code != 0) return text + "error " + std::to_string(reply.code) + ".";
    std::string values;
    for (const auto& [key, value] : reply.values) values += (values.empty() ? "" : ", ") + key + " " + value;
    return text + (values.empty() ? "answered." : values + ".");
}

}  // namespace tarvon
