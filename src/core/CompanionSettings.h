#pragma once
// The settings of the suite's companion programs, kept under their own keys
// (SOFTWARE\Kova\VANT, \Pevrin, \Scrivet, \Brisko). The station only edits
// them; the programs read them with these defaults for missing values.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace tarvon {

struct VantSettings {
    uint32_t maximiseUpload = 1;
    uint32_t switching = 1;  // 0 Automatic, 1 Manual, 2 Ask First
};

struct PevrinSettings {
    uint32_t maximumPfhFiles = 3;
    uint32_t maximumMessages = 450;
    uint32_t markNever = 1;
    uint32_t loadBbs = 1;
    uint32_t confirmDelete = 1;
};

struct ScrivetSettings {
    std::string signature;  // a file name in the suite directory, at most 12 characters
    std::string greeting = "Hello";
    std::string editor = "NOTEPAD.EXE";
    std::string sourceSaveDirectory;
    uint32_t messageExpiryDays = 2;
    uint32_t compressionThreshold = 1008;  // bytes
    uint32_t compressionType = 2;          // 0 None, 2 PKZIP, 3 LHArc
    uint32_t removeSource = 0;
    uint32_t copyOriginal = 0;
};

struct BriskoSettings {
    uint32_t decompressBinaries = 0;
    uint32_t viewMine = 1;
    uint32_t addHeader = 1;
    uint32_t processKeps = 1;
    uint32_t processBbs = 0;
    uint32_t kepsAppend = 0;
    uint32_t updateKeps = 1;  // 1 ORBSxxxA.ELE only, 2 any keps file, 3 never
    std::string updateCallsign;
    std::string updateSpacecraft = "[All]";  // empty means every spacecraft
};

// Each loader starts from the defaults above; a missing (or oversized)
// value keeps its default. Each saver writes every value of its table.
VantSettings LoadVantSettings(Registry& registry);
void SaveVantSettings(Registry& registry, const VantSettings& settings);
PevrinSettings LoadPevrinSettings(Registry& registry);
void SavePevrinSettings(Registry& registry, const PevrinSettings& settings);
ScrivetSettings LoadScrivetSettings(Registry& registry);
void SaveScrivetSettings(Registry& registry, const ScrivetSettings& settings);
BriskoSettings LoadBriskoSettings(Registry& registry);
void SaveBriskoSettings(Registry& registry, const BriskoSettings& settings);

// Brisko's two texts are read into 20-byte buffers (NUL included).
constexpr uint32_t kBriskoTextBuffer = 20;

}  // namespace tarvon
