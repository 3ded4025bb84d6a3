#pragma once
// The 50-slot element table, mirrored byte for byte in "Kova.KEP".
#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

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

// What loading found wrong with a "Kova.KEP". A missing file is not damage:
// the station simply starts with an empty table.
struct KepsFileCheck {
    bool present = false;
    bool unreadable = false;        // there, but it could not be read
    size_t fileBytes = 0;
    std::vector<int> damagedSlots;  // in use, elements that cannot be an orbit; from 0
    bool WrongSize() const { return present && !unreadable && fileBytes != kKepsFileBytes; }
    bool Damaged() const { return unreadable || WrongSize() || !damagedSlots.empty(); }
};

// Clears the table, then fills the slots the bytes cover completely; bytes
// past 8300 are ignored. Damaged slots keep their bytes, so that saving the
// table loses nothing, but no lookup below ever finds them.
KepsFileCheck DecodeKepsDatabase(std::span<const uint8_t> bytes, KepsDatabase& db);
// The same from the file; a missing or unreadable file leaves the table empty.
KepsFileCheck LoadKepsDatabase(KepsDatabase& db, const std::filesystem::path& file);
// What is wrong, for the user: "it is 100000 bytes long instead of 8300;
// slots 1-3, 7 hold elements that cannot be an orbit". Empty when nothing is.
std::string DescribeKepsDamage(const KepsFileCheck& check);
// The whole notice for the station's user, naming the file.
std::string KepsDamageNotice(const std::string& fileName, const KepsFileCheck& check);
// Writes exactly 8300 bytes through a temporary file; false when the file
// could not be written (the table stays as it is).
bool SaveKepsDatabase(const KepsDatabase& db, const std::filesystem::path& file);

void ClearKepsDatabase(KepsDatabase& db);
// Lookups for everything that propagates: a damaged slot is never found.
int FindKepsByName(const KepsDatabase& db, const char* name);
int FindKepsByCatalog(const KepsDatabase& db, uint32_t catalogNumber);
// The slot used, or -1 when all 50 are taken (nothing is stored).
int AddKepsRecord(KepsDatabase& db, const KepsRecord& record);
bool IsNewerEpoch(const KepsRecord& stored, const KepsRecord& candidate);
void MergeKepsIntoSlot(KepsDatabase& db, KepsRecord candidate, int slot);

}  // namespace tarvon
