#pragma once
// Element files into the element database: the NASA two-line and the Sarnet
// verbose layouts, each decision reported as one line in file order.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "orbit/KepsDatabase.h"

namespace tarvon {

enum class ElementFormat { TwoLine = 1, Verbose = 2 };

using ImportReport = std::vector<std::string>;

// True when at least one set with a catalogue number was read.
bool ImportTwoLineFile(std::span<const uint8_t> bytes, KepsDatabase& db, ImportReport& report);
// True when at least one "Satellite:" block was read.
bool ImportVerboseFile(std::span<const uint8_t> bytes, KepsDatabase& db, ImportReport& report);

// Adds, updates or keeps, and says which; elements that cannot be an orbit
// are refused.
void ApplyImportedRecord(KepsDatabase& db, const KepsRecord& record, ImportReport& report);

enum class ImportOutcome { Imported, NothingFound, ElementFileUnreadable, KepsFileUnwritable, DatabaseDamaged };

// What to do when the database file itself is damaged: leave it untouched,
// or move it aside (to DamagedKepsPath) and go on with its sound slots.
enum class DamagedDatabase { Refuse, SetAside };

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Imported;
    KepsFileCheck database;  // as the database file was found
};

// "Kova.KEP.damaged" beside the database.
std::filesystem::path DamagedKepsPath(const std::filesystem::path& kepsFile);

// The whole update. Loads `db` from `kepsFile` first (the file is the
// reference, whatever another program saved meanwhile), imports the element
// file into it (adding "No Satellites Found!" when nothing was read) and saves
// it. An unreadable element file or a refused damaged database changes no
// file; a database that could not be saved stays as it was on disk.
ImportResult ImportElementFile(const std::filesystem::path& elementFile, ElementFormat format, KepsDatabase& db,
                               const std::filesystem::path& kepsFile, ImportReport& report,
                               DamagedDatabase onDamage = DamagedDatabase::Refuse);

}  // namespace tarvon
