#pragma once
// What the satellite sheet's TNC Settings, Directories, VANT Settings and
// SatGate pages show, and the reading of what was typed back into the
// satellite's record. A page fills a form from its controls; the reader
// checks every field and stores them all, or returns the first problem (the
// field to go back to and its message) and stores nothing.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/FieldChecks.h"
#include "core/SatelliteConfig.h"

namespace tarvon {

// One entry of a drop-down list and the number it stands for in the record.
struct Choice {
    const char* name;
    uint32_t stored;
};

enum class SatelliteList { TncType, Port, Speed, UplinkSpeed, Customisation, TailAction, DirPriority, MailPriority };
std::span<const Choice> ChoicesOf(SatelliteList list);

// The list position of a stored number; -1 when the list lacks it.
int ChoicePosition(SatelliteList list, uint32_t stored);
// The entries of a list, as the page shows them.
std::vector<std::string> ChoiceNames(SatelliteList list);

// How many characters each field takes from the keyboard.
namespace link_limits {
constexpr size_t kBufferSize = 5;
constexpr size_t kMaxFrame = 1;
constexpr size_t kRetries = 2;
constexpr size_t kRetrySeconds = 2;
constexpr size_t kMilliseconds = 4;
constexpr size_t kPacketLength = 3;
constexpr size_t kDspMode = 4;
constexpr size_t kDirectory = 259;
constexpr size_t kTimeout = 4;
constexpr size_t kThreshold = 5;
constexpr size_t kTries = 2;
constexpr size_t kCallsign = 9;
constexpr size_t kCollect = 99;
}  // namespace link_limits

// ---- TNC Settings
struct TncForm {
    // List positions; -1 (nothing chosen) keeps the stored number, so that a
    // value the lists lack (a KISS TNC, COM7) is not lost by pressing OK.
    int tncType = -1, port = -1, speed = -1, uplinkSpeed = -1;
    std::string txBuffer, rxBuffer, maxFrame, retries, retrySeconds, txDelay, txTail, packetLength;
    bool testSmack = false;
    std::string dspMode;
};
enum TncField { kTncTxBuffer, kTncRxBuffer, kTncMaxFrame, kTncRetries, kTncRetryTime, kTncTxDelay, kTncTxTail,
                kTncPacketLength, kTncDspMode };

TncForm TncFormFor(const SatelliteConfig& config);
// Numbers the TNC cannot use are replaced by working ones (buffers, delays,
// retry time, packet length); text that is no number is refused.
std::optional<FieldProblem> ReadTncForm(const TncForm& form, SatelliteConfig& config);

// ---- Directories, in the page's order
constexpr size_t kSatelliteDirectoryCount = 10;
struct DirectoriesForm {
    std::array<std::string, kSatelliteDirectoryCount> directories;
};
// The field of a problem is the directory's position on the page.
DirectoriesForm DirectoriesFormFor(const SatelliteConfig& config);
std::optional<FieldProblem> ReadDirectoriesForm(const DirectoriesForm& form, SatelliteConfig& config);

// ---- VANT Settings: the satellite program's options
constexpr size_t kVantOptionCount = 15;
struct VantForm {
    // "Use time to update clock", "Uploading enabled", "Automatically select
    // U/L freq.", "Log KISS frames", "Log Telemetry frames", "Grab all heard
    // files", "Block ALL BBS files", "Don't download your uploads", "Run
    // Brisko after a pass", "Send auto fill requests", "Acknowledge receipt",
    // "Load Pevrin at start of pass", "Close Pevrin at end of pass", "Update
    // keps from broadcast", "Only quit when new pass".
    std::array<bool, kVantOptionCount> options{};
    int customisation = 0, tailAction = 0, dirPriority = 0;  // list positions
    std::string inactivityTimeout, upToDateTimeout, procThreshold, changeFreq;
};
enum VantField { kVantInactivity, kVantUpToDate, kVantThreshold, kVantChangeFreq };

// A stored choice the list lacks shows as a new satellite's choice.
VantForm VantFormFor(const SatelliteConfig& config);
std::optional<FieldProblem> ReadVantForm(const VantForm& form, SatelliteConfig& config);

// ---- SatGate
struct SatGateForm {
    std::string callsign, collect;
    int priority = 0;  // list position
};
enum SatGateField { kSatGateCallsign, kSatGateCollect };

SatGateForm SatGateFormFor(const SatelliteConfig& config);
std::optional<FieldProblem> ReadSatGateForm(const SatGateForm& form, SatelliteConfig& config);

}  // namespace tarvon
