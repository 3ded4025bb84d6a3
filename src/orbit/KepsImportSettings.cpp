#include "orbit/KepsImportSettings.h"

#include "core/RegistryKeys.h"

namespace tarvon {
namespace {

constexpr uint32_t kPathBuffer = 260;

}  // namespace

KepsImportSettings LoadKepsImportSettings(Registry& registry, const std::string& kovaDirectory) {
    KepsImportSettings settings;
    settings.kepsDir = kovaDirectory;
    if (auto key = registry.Open(RegRoot::LocalMachine, kTarvonKeyPath)) {
        RegReadDword(*key, "Keps Type", settings.kepsType);
        RegReadString(*key, "Keps Dir", settings.kepsDir, kPathBuffer);
    }
    return settings;
}

void SaveKepsImportSettings(Registry& registry, const std::string& chosenFile, uint32_t kepsType) {
    auto key = registry.Create(RegRoot::LocalMachine, kTarvonKeyPath);
    if (!key) return;
    RegWriteDword(*key, "Keps Type", kepsType);
    RegWriteString(*key, "Keps Dir", DriveAndFolderOf(chosenFile));
}

std::string DriveAndFolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos) return path.substr(0, slash + 1);
    // "C:amsat.txt": the drive alone.
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    return {};
}

}  // namespace tarvon
