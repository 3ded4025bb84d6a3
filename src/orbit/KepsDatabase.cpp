#include "orbit/KepsDatabase.h"

#include <algorithm>
#include <cctype>

#include <cstring>
#include <system_error>
#include <vector>

#include "core/FileReplace.h"
#include "core/Utf8Path.h"

namespace tarvon {
namespace {

bool EqualIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        const unsigned char ca = static_cast<unsigned char>(*a), cb = static_cast<unsigned char>(*b);
        if (ca != cb && !(ca < 128 && cb < 128 && std::tolower(ca) == std::tolower(cb))) return false;
    }
    return *a == *b;
}

// Two-digit years run 1950-2049; full years are taken as they are.
int FullYear(int16_t year) {
    if (year < 50) return year + 2000;
    if (year < 100) return year + 1900;
    return year;
}

}  // namespace

std::filesystem::path KepsFilePath(const std::string& kovaDirectory) {
    return SuiteFilePath(kovaDirectory, kKepsFileName);
}

KepsFileCheck DecodeKepsDatabase(std::span<const uint8_t> bytes, KepsDatabase& db) {
    ClearKepsDatabase(db);
    KepsFileCheck check;
    check.present = true;
    check.fileBytes = bytes.size();
    const size_t whole = std::min(bytes.size(), kKepsFileBytes) / kKepsRecordBytes;
    for (size_t i = 0; i < whole; ++i) {
        DecodeKepsRecord(bytes.data() + i * kKepsRecordBytes, db.slots[i]);
        if (IsDamagedSlot(db.slots[i])) check.damagedSlots.push_back(static_cast<int>(i));
    }
    return check;
}

KepsFileCheck LoadKepsDatabase(KepsDatabase& db, const std::filesystem::path& file) {
    ClearKepsDatabase(db);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return {};
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(file, bytes)) {
        KepsFileCheck check;
        check.present = check.unreadable = true;
        return check;
    }
    return DecodeKepsDatabase(bytes, db);
}

std::string DescribeKepsDamage(const KepsFileCheck& check) {
    std::string text;
    auto part = [&text](const std::string& words) {
        if (!text.empty()) text += "; ";
        text += words;
    };
    if (check.unreadable) part("it cannot be read");
    if (check.WrongSize()) {
        std::string size = "it is ";
        size += std::to_string(check.fileBytes);
        part(size + " bytes long instead of " + std::to_string(kKepsFileBytes));
    }
    const std::vector<int>& slots = check.damagedSlots;
    if (slots.empty()) return text;
    // Runs of neighbours as ranges, counted from 1 as the edit dialog does.
    std::string list = slots.size() == 1 ? "slot " : "slots ";
    for (size_t i = 0; i < slots.size();) {
        size_t last = i;
        while (last + 1 < slots.size() && slots[last + 1] == slots[last] + 1) ++last;
        if (i > 0) list += ", ";
        list += std::to_string(slots[i] + 1);
        if (last > i) {
            list += '-';
            list += std::to_string(slots[last] + 1);
        }
        i = last + 1;
    }
    part(list + (slots.size() == 1 ? " holds" : " hold") + " elements that cannot be an orbit");
    return text;
}

std::string KepsDamageNotice(const std::string& fileName, const KepsFileCheck& check) {
    std::string text = "The element database ";
    text += fileName;
    text += " is damaged: ";
    text += DescribeKepsDamage(check);
    text += ".\n\nOnly the satellites of its sound slots are predicted, and the file is left as it is. "
            "Importing elements with \"tarvon-cli import --repair\" sets it aside and starts a new database "
            "with its sound slots.";
    return text;
}

bool SaveKepsDatabase(const KepsDatabase& db, const std::filesystem::path& file) {
    std::vector<uint8_t> bytes(kKepsFileBytes);
    for (size_t i = 0; i < db.slots.size(); ++i) EncodeKepsRecord(db.slots[i], bytes.data() + i * kKepsRecordBytes);
    return ReplaceFileContents(file, bytes);
}

void ClearKepsDatabase(KepsDatabase& db) {
    for (auto& slot : db.slots) ClearKepsRecord(slot);
}

int FindKepsByName(const KepsDatabase& db, const char* name) {
    // An empty name would match the first free slot.
    if (name[0] == '\0') return -1;
    for (int i = 0; i < kKepsSlots; ++i) {
        if (EqualIgnoringCase(db.slots[i].name, name) && IsUsableSlot(db.slots[i])) return i;
    }
    return -1;
}

int FindKepsByCatalog(const KepsDatabase& db, uint32_t catalogNumber) {
    if (catalogNumber == 0) return -1;
    for (int i = 0; i < kKepsSlots; ++i) {
        if (db.slots[i].catalogNumber == catalogNumber && IsUsableSlot(db.slots[i])) return i;
    }
    return -1;
}

int AddKepsRecord(KepsDatabase& db, const KepsRecord& record) {
    for (int i = 0; i < kKepsSlots; ++i) {
        if (IsFreeSlot(db.slots[i])) {
            db.slots[i] = record;
            return i;
        }
    }
    return -1;
}

bool IsNewerEpoch(const KepsRecord& stored, const KepsRecord& candidate) {
    const int storedYear = FullYear(stored.epochYear), candidateYear = FullYear(candidate.epochYear);
    if (candidateYear != storedYear) return candidateYear > storedYear;
    return candidate.epochDay > stored.epochDay;
}

void MergeKepsIntoSlot(KepsDatabase& db, KepsRecord candidate, int slot) {
    const KepsRecord& kept = db.slots[slot];
    std::memcpy(candidate.name, kept.name, sizeof candidate.name);
    candidate.beaconMhz = kept.beaconMhz;
    candidate.blon = kept.blon;
    candidate.blat = kept.blat;
    std::memcpy(candidate.modeSchedule, kept.modeSchedule, sizeof candidate.modeSchedule);
    db.slots[slot] = candidate;
}

}  // namespace tarvon
