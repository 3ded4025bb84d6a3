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

// Adds, updates or keeps, and says which.
void ApplyImportedRecord(KepsDatabase& db, const KepsRecord& record, ImportReport& report);

enum class ImportOutcome { Imported, NothingFound, ElementFileUnreadable, KepsFileUnwritable };

// The whole update: reads the element file, imports it into `db` (adding
// "No Satellites Found!" when nothing was read) and saves `kepsFile`. An
// unreadable element file changes nothing; a database that could not be
// saved stays changed in memory only.
ImportOutcome ImportElementFile(const std::filesystem::path& elementFile, ElementFormat format, KepsDatabase& db,
                                const std::filesystem::path& kepsFile, ImportReport& report);

}  // namespace tarvon
