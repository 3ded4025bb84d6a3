#pragma once
// What the element update remembers between runs, in SOFTWARE\Kova\Tarvon:
// the last file type chosen and the folder of the last file opened.
#include <cstdint>
#include <string>

#include "orbit/ElementImport.h"
#include "platform/Registry.h"

namespace tarvon {

struct KepsImportSettings {
    uint32_t kepsType = 1;  // 1 = NASA two-line, anything else Sarnet verbose
    std::string kepsDir;
    ElementFormat Format() const { return kepsType == 1 ? ElementFormat::TwoLine : ElementFormat::Verbose; }
};

// A missing value takes its default: type 1, the suite directory.
KepsImportSettings LoadKepsImportSettings(Registry& registry, const std::string& kovaDirectory);
// Stores the chosen type and the drive and folder of the chosen file.
void SaveKepsImportSettings(Registry& registry, const std::string& chosenFile, uint32_t kepsType);
// "C:\Keps\amsat.txt" -> "C:\Keps\": the drive and folder, as the file-open
// dialog's path splits.
std::string DriveAndFolderOf(const std::string& path);

}  // namespace tarvon
