#include "BenchData.h"

#include <string>
#include <vector>

#include "core/FileReplace.h"
#include "orbit/ElementImport.h"

namespace tarvon {

KepsDatabase BulletinDatabase() {
    std::vector<uint8_t> bytes;
    ReadWholeFile(std::string(TARVON_BENCH_DATA) + "/tle_bbs_bulletin_2026-05.txt", bytes);
    KepsDatabase db;
    ImportReport report;
    ImportTwoLineFile(bytes, db, report);
    return db;
}

}  // namespace tarvon
