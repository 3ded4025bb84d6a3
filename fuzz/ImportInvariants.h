#pragma once
// What every import must leave behind, whatever the file held.
#include <cstddef>
#include <cstdint>

#include "orbit/ElementImport.h"

namespace tarvon::fuzz {

// A database with a few slots taken, so that updates and merges run too.
KepsDatabase SeededDatabase();
// Aborts when the import broke the table: texts unterminated, the stations'
// own fields of a stored satellite changed, a slot lost, elements stored that
// cannot be an orbit, or a report line for nothing.
void CheckImport(const KepsDatabase& before, const KepsDatabase& after, const ImportReport& report);

}  // namespace tarvon::fuzz
