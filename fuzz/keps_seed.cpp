// Writes a "Kova.KEP" imported from each element file given, as seeds for
// the database reader: mutations of real records reach the edges of what
// can be an orbit far sooner than random bytes do.
#include <string>

#include "core/FileReplace.h"
#include "orbit/ElementImport.h"

int main(int argc, char** argv) {
    using namespace tarvon;
    for (int i = 2; i < argc; ++i) {
        std::vector<uint8_t> bytes;
        KepsDatabase db;
        ImportReport report;
        if (!ReadWholeFile(argv[i], bytes)) return 1;
        if (!ImportTwoLineFile(bytes, db, report)) ImportVerboseFile(bytes, db, report);
        if (!SaveKepsDatabase(db, std::string(argv[1]) + "/seed" + std::to_string(i - 1) + ".KEP")) return 1;
    }
    return 0;
}
