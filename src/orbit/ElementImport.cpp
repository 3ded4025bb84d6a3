#include "orbit/ElementImport.h"

#include <system_error>

#include "core/FileReplace.h"
#include "orbit/ImportTexts.h"

namespace tarvon {

void ApplyImportedRecord(KepsDatabase& db, const KepsRecord& record, ImportReport& report) {
    const std::string name = record.name;
    if (!ElementsCanBeAnOrbit(record)) {
        report.push_back(name + texts::kInvalidElements);
        return;
    }
    const int slot = FindKepsByCatalog(db, record.catalogNumber);
    if (slot < 0) {
        report.push_back(name + (AddKepsRecord(db, record) >= 0 ? texts::kAddedToDatabase : texts::kDatabaseFull));
    } else if (IsNewerEpoch(db.slots[slot], record)) {
        report.push_back(name + texts::kKepsUpdated);
        MergeKepsIntoSlot(db, record, slot);
    } else {
        report.push_back(name + texts::kOldKeps);
    }
}

std::filesystem::path DamagedKepsPath(const std::filesystem::path& kepsFile) {
    std::filesystem::path aside = kepsFile;
    aside += ".damaged";
    return aside;
}

ImportResult ImportElementFile(const std::filesystem::path& elementFile, ElementFormat format, KepsDatabase& db,
                               const std::filesystem::path& kepsFile, ImportReport& report, DamagedDatabase onDamage) {
    ImportResult result;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(elementFile, bytes)) {
        result.outcome = ImportOutcome::ElementFileUnreadable;
        return result;
    }
    result.database = LoadKepsDatabase(db, kepsFile);
    const bool setAside = result.database.Damaged();
    if (setAside) {
        // Saving over a damaged file would destroy whatever is left of it,
        // so that happens only when asked, and the old file stays beside it.
        std::error_code ec;
        if (onDamage == DamagedDatabase::Refuse) {
            result.outcome = ImportOutcome::DatabaseDamaged;
            return result;
        }
        std::filesystem::rename(kepsFile, DamagedKepsPath(kepsFile), ec);
        if (ec) {
            result.outcome = ImportOutcome::KepsFileUnwritable;
            return result;
        }
        for (int slot : result.database.damagedSlots) ClearKepsRecord(db.slots[slot]);
    }
    const bool found = format == ElementFormat::TwoLine ? ImportTwoLineFile(bytes, db, report)
                                                        : ImportVerboseFile(bytes, db, report);
    if (!found) report.push_back(texts::kNoSatellitesFound);
    if (!SaveKepsDatabase(db, kepsFile)) {
        std::error_code ec;
        if (setAside) std::filesystem::rename(DamagedKepsPath(kepsFile), kepsFile, ec);
        result.outcome = ImportOutcome::KepsFileUnwritable;
        return result;
    }
    result.outcome = found ? ImportOutcome::Imported : ImportOutcome::NothingFound;
    return result;
}

}  // namespace tarvon
