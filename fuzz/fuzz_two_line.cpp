#include <cstddef>
#include <cstdint>
#include <span>

#include "ImportInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvon;
    const KepsDatabase before = fuzz::SeededDatabase();
    KepsDatabase db = before;
    ImportReport report;
    ImportTwoLineFile(std::span<const uint8_t>(data, size), db, report);
    fuzz::CheckImport(before, db, report);
    return 0;
}
