#include "orbit/ElementImport.h"

#include "core/FileReplace.h"
#include "orbit/ImportTexts.h"

namespace tarvon {

void ApplyImportedRecord(KepsDatabase& db, const KepsRecord& record, ImportReport& report) {
    const std::string name = record.name;
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

ImportOutcome ImportElementFile(const std::filesystem::path& elementFile, ElementFormat format, KepsDatabase& db,
                                const std::filesystem::path& kepsFile, ImportReport& report) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(elementFile, bytes)) return ImportOutcome::ElementFileUnreadable;
    const bool found = format == ElementFormat::TwoLine ? ImportTwoLineFile(bytes, db, report)
                                                        : ImportVerboseFile(bytes, db, report);
    if (!found) report.push_back(texts::kNoSatellitesFound);
    if (!SaveKepsDatabase(db, kepsFile)) return ImportOutcome::KepsFileUnwritable;
    return found ? ImportOutcome::Imported : ImportOutcome::NothingFound;
}

}  // namespace tarvon
