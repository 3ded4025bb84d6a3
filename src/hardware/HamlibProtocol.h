#pragma once
// The text the rotator and radio daemons (rotctld, rigctld) speak over TCP.
// Every command is sent in the extended form ("+" first), so every answer,
// whatever the command, ends with one "RPRT <code>" line; values come as
// "Key: value" lines before it.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvon {

constexpr const char* kGetPositionCommand = "+p\n";
constexpr const char* kParkCommand = "+K\n";
constexpr const char* kDumpStateCommand = "+\\dump_state\n";
constexpr const char* kGetFrequencyCommand = "+f\n";
// Split on, transmitting on the second VFO: the uplink is tuned there.
constexpr const char* kSplitOnCommand = "+S 1 VFOB\n";

std::string SetPositionCommand(int azimuth, int elevation);
std::string SetFrequencyCommand(uint32_t hz);
std::string SetTransmitFrequencyCommand(uint32_t hz);
// Empty for a code that names no modulation we know.
std::string SetModeCommand(uint32_t modeCode, bool transmit);

struct DaemonReply {
    int code = 0;  // the RPRT code: 0 success, negative a daemon error
    std::vector<std::pair<std::string, std::string>> values;
    // The value of "Key:" as a number; false when absent or not a number.
    bool Number(std::string_view key, double& value) const;
};

// Collects an answer from the bytes as they arrive.
class ReplyReader {
public:
    enum class State { Incomplete, Complete, Garbage };
    // An answer longer than this without its RPRT line is not from a daemon.
    static constexpr size_t kMaxReplyBytes = 16384;

    State Feed(std::string_view bytes);
    const DaemonReply& Reply() const { return reply_; }

private:
    State TakeLine(std::string_view line);

    std::string partial_;
    size_t total_ = 0;
    State state_ = State::Incomplete;
    DaemonReply reply_;
};

// The range the rotator accepts, as its daemon reports it.
struct RotatorLimits {
    double minAzimuth = -1e9, maxAzimuth = 1e9;
    double minElevation = -1e9, maxElevation = 1e9;
};
// From a dump_state answer; the limits it does not give stay open.
RotatorLimits LimitsFromDumpState(const DaemonReply& reply);
// The position brought into the rotator's range.
std::pair<int, int> ClampToLimits(const RotatorLimits& limits, int azimuth, int elevation);

}  // namespace tarvon
