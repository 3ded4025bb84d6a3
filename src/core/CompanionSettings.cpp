#include "core/CompanionSettings.h"

#include <memory>

#include "core/RegistryKeys.h"
#include "core/SettingsTable.h"

namespace tarvon {
namespace {

// Scrivet's texts are read whole, whatever their edits take, so that a
// longer value another program stored survives an OK here.
constexpr uint32_t kScrivetTextBuffer = 260;

const DwordValue<VantSettings> kVantDwords[] = {
    {"Maximise Upload", &VantSettings::maximiseUpload},
    {"Switching", &VantSettings::switching},
};

const DwordValue<PevrinSettings> kPevrinDwords[] = {
    {"Maximum PFH Files", &PevrinSettings::maximumPfhFiles},
    {"Maximum Messages", &PevrinSettings::maximumMessages},
    {"Mark Never", &PevrinSettings::markNever},
    {"Load BBS", &PevrinSettings::loadBbs},
    {"Confirm Delete", &PevrinSettings::confirmDelete},
};

const StringValue<ScrivetSettings> kScrivetStrings[] = {
    {"Signature", &ScrivetSettings::signature, kScrivetTextBuffer},
    {"Greeting", &ScrivetSettings::greeting, kScrivetTextBuffer},
    {"Editor", &ScrivetSettings::editor, kScrivetTextBuffer},
    {"Source Save Directory", &ScrivetSettings::sourceSaveDirectory, kScrivetTextBuffer},
};

const DwordValue<ScrivetSettings> kScrivetDwords[] = {
    {"Message Expiry Days", &ScrivetSettings::messageExpiryDays},
    {"Compression Threshold", &ScrivetSettings::compressionThreshold},
    {"Compression Type", &ScrivetSettings::compressionType},
    {"Remove Source", &ScrivetSettings::removeSource},
    {"Copy Original", &ScrivetSettings::copyOriginal},
};

const DwordValue<BriskoSettings> kBriskoDwords[] = {
    {"Decompress Binaries", &BriskoSettings::decompressBinaries},
    {"View Mine", &BriskoSettings::viewMine},
    {"Add Header", &BriskoSettings::addHeader},
    {"Process Keps", &BriskoSettings::processKeps},
    {"Process BBS", &BriskoSettings::processBbs},
    {"Keps Append", &BriskoSettings::kepsAppend},
    {"Update Keps", &BriskoSettings::updateKeps},
};

const StringValue<BriskoSettings> kBriskoStrings[] = {
    {"Update Callsign", &BriskoSettings::updateCallsign, kBriskoTextBuffer},
    {"Update Spacecraft", &BriskoSettings::updateSpacecraft, kBriskoTextBuffer},
};

// Runs `read` on the open key when it exists; the defaults stand otherwise.
template <typename S, typename Read>
S Load(Registry& registry, const char* path, Read read) {
    S settings;
    if (std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, path)) read(*key, settings);
    return settings;
}

template <typename Write>
void Save(Registry& registry, const char* path, Write write) {
    if (std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, path)) write(*key);
}

}  // namespace

VantSettings LoadVantSettings(Registry& registry) {
    return Load<VantSettings>(registry, kVantKeyPath, [](RegKey& k, VantSettings& s) { ReadDwords(k, kVantDwords, s); });
}

void SaveVantSettings(Registry& registry, const VantSettings& settings) {
    Save(registry, kVantKeyPath, [&](RegKey& k) { WriteDwords(k, kVantDwords, settings); });
}

PevrinSettings LoadPevrinSettings(Registry& registry) {
    return Load<PevrinSettings>(registry, kPevrinKeyPath,
                                [](RegKey& k, PevrinSettings& s) { ReadDwords(k, kPevrinDwords, s); });
}

void SavePevrinSettings(Registry& registry, const PevrinSettings& settings) {
    Save(registry, kPevrinKeyPath, [&](RegKey& k) { WriteDwords(k, kPevrinDwords, settings); });
}

ScrivetSettings LoadScrivetSettings(Registry& registry) {
    return Load<ScrivetSettings>(registry, kScrivetKeyPath, [](RegKey& k, ScrivetSettings& s) {
        ReadStrings(k, kScrivetStrings, s);
        ReadDwords(k, kScrivetDwords, s);
    });
}

void SaveScrivetSettings(Registry& registry, const ScrivetSettings& settings) {
    Save(registry, kScrivetKeyPath, [&](RegKey& k) {
        WriteStrings(k, kScrivetStrings, settings);
        WriteDwords(k, kScrivetDwords, settings);
    });
}

BriskoSettings LoadBriskoSettings(Registry& registry) {
    return Load<BriskoSettings>(registry, kBriskoKeyPath, [](RegKey& k, BriskoSettings& s) {
        ReadDwords(k, kBriskoDwords, s);
        ReadStrings(k, kBriskoStrings, s);
    });
}

void SaveBriskoSettings(Registry& registry, const BriskoSettings& settings) {
    Save(registry, kBriskoKeyPath, [&](RegKey& k) {
        WriteDwords(k, kBriskoDwords, settings);
        WriteStrings(k, kBriskoStrings, settings);
    });
}

}  // namespace tarvon
