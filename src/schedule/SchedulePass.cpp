#include "schedule/SchedulePass.h"

#include <algorithm>
#include <array>

namespace tarvon {
namespace {

constexpr size_t kNameBytes = 12;

// Field offsets of the record after the name.
enum Offset : size_t {
    kAos = 12, kLos = 16, kMinPassTime = 20, kStartLead = 24, kReserved1 = 28, kReserved2 = 32,
    kRunNow = 36, kEndedByScheduler = 40, kMaxElevation = 44, kPriority = 48,
    kEffectivePriority = 52, kState = 56, kReserved3 = 60, kOverhead = 64, kListenOnly = 68,
    kElevationOk = 72, kIgnorePassChecking = 76, kRunRegardless = 80, kNotified = 84,
    kNotifyWindow = 88, kLastRunEnd = 92, kNext = 96,
};

void Put32(std::array<uint8_t, kSchedulePassBytes>& b, size_t at, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t Get32(const std::array<uint8_t, kSchedulePassBytes>& b, size_t at) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= uint32_t(b[at + i]) << (8 * i);
    return static_cast<int32_t>(u);
}

}  // namespace

void EncodeSchedulePass(const SchedulePass& p, std::vector<uint8_t>& out) {
    std::array<uint8_t, kSchedulePassBytes> b{};
    const size_t nameLength = std::min(p.satName.size(), kSatNameMax);
    std::copy_n(p.satName.begin(), nameLength, b.begin());
    Put32(b, kAos, p.aos);
    Put32(b, kLos, p.los);
    Put32(b, kMinPassTime, p.minPassTime);
    Put32(b, kStartLead, p.startLead);
    Put32(b, kRunNow, p.runNow);
    Put32(b, kEndedByScheduler, p.endedByScheduler);
    Put32(b, kMaxElevation, p.maxElevation);
    Put32(b, kPriority, p.priority);
    Put32(b, kEffectivePriority, p.effectivePriority);
    Put32(b, kState, p.state);
    Put32(b, kOverhead, p.overhead);
    Put32(b, kListenOnly, p.listenOnly);
    Put32(b, kElevationOk, p.elevationOk);
    Put32(b, kIgnorePassChecking, p.ignorePassChecking);
    Put32(b, kRunRegardless, p.runRegardlessOfElevation);
    Put32(b, kNotified, p.notified);
    Put32(b, kLastRunEnd, p.lastRunEnd);
    out.insert(out.end(), b.begin(), b.end());
}

SchedulePass DecodeSchedulePass(const uint8_t* bytes, size_t size) {
    std::array<uint8_t, kSchedulePassBytes> b{};
    std::copy_n(bytes, std::min(size, kSchedulePassBytes), b.begin());
    SchedulePass p;
    size_t nameLength = 0;
    while (nameLength < kSatNameMax && b[nameLength] != 0) ++nameLength;
    p.satName.assign(reinterpret_cast<const char*>(b.data()), nameLength);
    p.aos = Get32(b, kAos);
    p.los = Get32(b, kLos);
    p.minPassTime = Get32(b, kMinPassTime);
    p.startLead = Get32(b, kStartLead);
    p.runNow = Get32(b, kRunNow);
    p.endedByScheduler = Get32(b, kEndedByScheduler);
    p.maxElevation = Get32(b, kMaxElevation);
    p.priority = Get32(b, kPriority);
    p.effectivePriority = Get32(b, kEffectivePriority);
    p.state = Get32(b, kState);
    p.overhead = Get32(b, kOverhead);
    p.listenOnly = Get32(b, kListenOnly);
    p.elevationOk = Get32(b, kElevationOk);
    p.ignorePassChecking = Get32(b, kIgnorePassChecking);
    p.runRegardlessOfElevation = Get32(b, kRunRegardless);
    p.notified = Get32(b, kNotified);
    p.lastRunEnd = Get32(b, kLastRunEnd);
    return p;
}

}  // namespace tarvon
