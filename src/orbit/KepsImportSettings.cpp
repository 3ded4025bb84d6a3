#include "orbit/KepsImportSettings.h"

namespace tarvon {
namespace {

constexpr const char* kTarvonKey = "SOFTWARE\\Kova\\Tarvon";
constexpr uint32_t kPathBuffer = 260;

}  // namespace

KepsImportSettings LoadKepsImportSettings(Registry& registry, const std::string& kovaDirectory) {
    KepsImportSettings settings;
    settings.kepsDir = kovaDirectory;
    if (auto key = registry.Open(RegRoot::LocalMachine, kTarvonKey)) {
        RegReadDword(*key, "Keps Type", settings.kepsType);
        RegReadString(*key, "Keps Dir", settings.kepsDir, kPathBuffer);
    }
    return settings;
}

void SaveKepsImportSettings(Registry& registry, const std::string& chosenFile, uint32_t kepsType) {
    auto key = registry.Create(RegRoot::LocalMachine, kTarvonKey);
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
