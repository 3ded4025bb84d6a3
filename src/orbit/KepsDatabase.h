#pragma once
// The 50-slot element table, mirrored byte for byte in "Kova.KEP".
#include <array>
#include <filesystem>
#include <string>

#include "orbit/KepsRecord.h"

namespace tarvon {

constexpr int kKepsSlots = 50;
constexpr size_t kKepsFileBytes = kKepsSlots * kKepsRecordBytes;
constexpr const char* kKepsFileName = "Kova.KEP";

struct KepsDatabase {
    std::array<KepsRecord, kKepsSlots> slots{};
};

// "Kova.KEP" in the suite directory; in the current directory when the
// directory is empty.
std::filesystem::path KepsFilePath(const std::string& kovaDirectory);

// Clears the table, then fills the slots the file covers completely; a
// missing file leaves the table empty and bytes past 8300 are ignored.
void LoadKepsDatabase(KepsDatabase& db, const std::filesystem::path& file);
// Writes exactly 8300 bytes through a temporary file; false when the file
// could not be written (the table stays as it is).
bool SaveKepsDatabase(const KepsDatabase& db, const std::filesystem::path& file);

void ClearKepsDatabase(KepsDatabase& db);
int FindKepsByName(const KepsDatabase& db, const char* name);
int FindKepsByCatalog(const KepsDatabase& db, uint32_t catalogNumber);
// The slot used, or -1 when all 50 are taken (nothing is stored).
int AddKepsRecord(KepsDatabase& db, const KepsRecord& record);
bool IsNewerEpoch(const KepsRecord& stored, const KepsRecord& candidate);
void MergeKepsIntoSlot(KepsDatabase& db, KepsRecord candidate, int slot);

}  // namespace tarvon
