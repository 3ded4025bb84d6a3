#pragma once
// One satellite's configuration record under SOFTWARE\Kova\Satellites, as the
// satellite dialogs hold it while one satellite is created or edited. Every
// other reader takes single values straight from the satellite's key.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/RegistryKeys.h"
#include "core/Directories.h"
#include "platform/Notices.h"
#include "platform/Registry.h"

namespace tarvon {

// A satellite's "Start Time" (seconds before AOS its program starts) when a
// satellite is made or the value is missing.
constexpr uint32_t kDefaultStartLead = 25;
// Satellite and pass priorities run from 1 (highest) to this, the lowest.
constexpr int32_t kLowestPriority = 100;

struct SatelliteConfig {
    uint32_t isExisting = 0;
    uint32_t accepted = 0;

    std::string name;
    std::string bdcstCallsign;
    std::string bbsCallsign;
    std::string nupCallsign;
    std::string tlmFile;
    uint32_t satelliteType = 0;  // 0 PacSat, 1 Analogue, 2 Mailbox
    uint32_t state = 0;          // 0 Track and Display, 1 Display, 2 Disable
    uint32_t enableSatGate = 0;
    std::string program;
    std::string directory;
    uint32_t passCheckTime = 0;
    uint32_t minPassTime = 0;  // minutes
    uint32_t startTime = 0;
    uint32_t minElevation = 0;
    uint32_t priority = 0;
    uint32_t run = 0;
    uint32_t passChecking = 0;
    std::string satelliteDirectory;
    std::string dlxDirectory;
    std::string messageDirectory;
    std::string myMessageDirectory;
    std::string imageDirectory;
    std::string kepsDirectory;
    std::string binaryDirectory;
    std::string unknownDirectory;
    std::string bbsDirectory;
    std::string logDirectory;
    std::array<double, 4> uplink{};
    std::array<double, 4> downlink{};
    uint32_t defaultUplink = 0;
    uint32_t defaultDownlink = 0;
    uint32_t uplinkMode = 0;
    uint32_t downlinkMode = 0;
    uint32_t uplinks = 0;
    double uplinkIf = 0.0;
    double downlinkIf = 0.0;
    uint32_t txBuffer = 0;
    uint32_t rxBuffer = 0;
    uint32_t port = 0;
    uint32_t tncType = 0;
    uint32_t speed = 0;
    uint32_t uplinkSpeed = 0;
    uint32_t txTail = 0;
    uint32_t txDelay = 0;
    uint32_t retries = 0;
    uint32_t maxFrame = 0;
    uint32_t retryTime = 0;
    uint32_t pacLength = 0;
    uint32_t testSmack = 0;
    std::string dspMode;  // at most 4 characters
    uint32_t useClock = 0;
    uint32_t uploading = 0;
    uint32_t autoFreq = 0;
    uint32_t logKiss = 0;
    uint32_t logTelemetry = 0;
    uint32_t grabAll = 0;
    uint32_t blockBbs = 0;
    uint32_t dlMine = 0;
    uint32_t runBrisko = 0;
    uint32_t autoFill = 0;
    uint32_t ackReceipt = 0;
    uint32_t openPevrin = 0;
    uint32_t closePevrin = 0;
    uint32_t changeFreq = 0;
    uint32_t dirPriority = 0;
    uint32_t tailAction = 0;
    uint32_t bdcstCustom = 0;
    uint32_t procThreshold = 0;
    uint32_t updateKeps = 0;
    uint32_t upToDateTimeout = 0;
    uint32_t inactivityTimeout = 0;
    uint32_t newPassCheck = 0;
    std::string satGateCallsign;
    std::string satGateCollect;
    uint32_t satGatePriority = 0;

    friend bool operator==(const SatelliteConfig&, const SatelliteConfig&) = default;
};

// A new satellite's record with every default set.
std::unique_ptr<SatelliteConfig> NewSatelliteConfig();

// The record of an existing key. Missing or oversized values load as zero or
// empty, never as the new-satellite defaults.
std::unique_ptr<SatelliteConfig> LoadSatelliteConfig(RegKey& key);

// Writes every value; makes the PacSat directories on the way (see
// EnsureDirectory), reporting each one that cannot be made. 0 without a record.
int SaveSatelliteConfig(RegKey& key, SatelliteConfig* config, Notices& notices);

// Recomputes the directories and, for a PacSat, the program from the name and
// the suite directory; the dialogs call it while the satellite is new.
void ApplyNameDefaults(SatelliteConfig& config, const std::string& kovaDirectory);

// "DSP Mode": at most 4 characters, whether stored in its fixed 4-byte form
// or with a terminator; empty when missing.
std::string ReadDspMode(RegKey& key);

// Finds the key whose "Name" matches (ignoring case). On success `path` is the
// key's path under HKEY_LOCAL_MACHINE.
int FindSatelliteKey(Registry& registry, const std::string& name, std::string& path);

// Creates the key of a new satellite, named after it or, when that key exists
// already, "<name> [0]", "<name> [1]" ... Returns the path, empty on failure.
std::string CreateSatelliteKey(Registry& registry, const std::string& name);

// The "Name" of every satellite key, in enumeration order (empty names left out).
std::vector<std::string> SatelliteNames(Registry& registry);

// The names of the PacSat satellites (a "Satellite Type" of 0 or none), in
// enumeration order: those whose files the maintenance dialogs work on.
std::vector<std::string> PacsatSatelliteNames(Registry& registry);

// The "Satellite Directory" of the named satellite; empty when the satellite
// or the value is missing.
std::string SatelliteDirectoryOf(Registry& registry, const std::string& name);

// Deletes the key of the named satellite; 0 when there is none.
int DeleteSatellite(Registry& registry, const std::string& name);

}  // namespace tarvon
