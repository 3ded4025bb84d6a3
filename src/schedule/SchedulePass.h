#pragma once
// One pass of the schedule; also the 100-byte record of "Kova Schedule.DAT".
#include <cstdint>
#include <string>
#include <vector>

namespace tarvon {

constexpr int32_t kNever = 0x7FFFFFFF;
constexpr int32_t kNotEligible = 1000;
constexpr size_t kSchedulePassBytes = 100;
constexpr size_t kSatNameMax = 11;

// A listed pass is shared by the engine, the pass calculation, the pass
// runner and the user's edits: every field is read and written under
// ScheduleLock only.
struct SchedulePass {
    std::string satName;  // at most 11 characters
    int32_t aos = 0;
    int32_t los = 0;
    int32_t minPassTime = 0;
    int32_t startLead = 0;
    int32_t runNow = 0;
    int32_t endedByScheduler = 0;
    int32_t maxElevation = 0;
    int32_t priority = 0;
    int32_t effectivePriority = 0;
    int32_t state = 0;
    int32_t overhead = 0;
    int32_t listenOnly = 0;
    int32_t elevationOk = 0;
    int32_t ignorePassChecking = 0;
    int32_t runRegardlessOfElevation = 0;
    int32_t notified = 0;
    uintptr_t notifyWindow = 0;  // run-time only
    int32_t lastRunEnd = 0;
};

// Appends the record's 100 bytes, little-endian, run-time fields as zero.
void EncodeSchedulePass(const SchedulePass& pass, std::vector<uint8_t>& out);

// Reads one record from up to 100 bytes; missing bytes count as zero. The
// name stops at its first NUL or after 11 characters.
SchedulePass DecodeSchedulePass(const uint8_t* bytes, size_t size);

}  // namespace tarvon
