#include <cctype>
#include <cstdlib>
#include <cstring>

#include "orbit/ElementImport.h"
#include "orbit/ElementLineReader.h"
#include "orbit/ElementFields.h"

namespace tarvon {
namespace {

// The name: the first 12 characters without trailing white space.
std::string NameOf(const std::string& line) {
    std::string name = line.substr(0, kKepsNameChars);
    while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) name.pop_back();
    return name;
}

KepsRecord ParseSet(const std::string& name, const std::string& line1, const std::string& line2) {
    KepsRecord r;
    CopyKepsName(r, name.c_str());
    r.catalogNumber = static_cast<uint16_t>(IntegerField(line1, 3, 7));
    r.epochYear = static_cast<int16_t>(IntegerField(line1, 19, 20));
    r.epochDay = RealField(line1, 21, 32);
    r.decay = RealField(line1, 34, 43);
    r.elementSet = static_cast<int32_t>(IntegerField(line1, 66, 68));
    r.inclination = RealField(line2, 9, 16);
    r.raan = RealField(line2, 18, 25);
    r.eccentricity = RealField(line2, 27, 33) * 1e-7;
    r.argPerigee = RealField(line2, 35, 42);
    r.meanAnomaly = RealField(line2, 44, 51);
    r.meanMotion = RealField(line2, 53, 63);
    r.epochOrbit = static_cast<int32_t>(IntegerField(line2, 64, 68));
    return r;
}

}  // namespace

bool ImportTwoLineFile(std::span<const uint8_t> bytes, KepsDatabase& db, ImportReport& report) {
    ElementLineReader reader(bytes);
    bool found = false;
    std::string nameLine, line1, line2;
    bool more = reader.Next(nameLine);
    while (more) {
        const std::string name = NameOf(nameLine);
        if (name.empty()) {
            more = reader.Next(nameLine);
            continue;
        }
        if (!reader.Next(line1)) break;
        if (line1.empty() || line1[0] != '1') {
            nameLine = line1;
            continue;
        }
        if (!reader.Next(line2)) break;
        if (line2.empty() || line2[0] != '2') {
            more = reader.Next(nameLine);
            continue;
        }
        const KepsRecord record = ParseSet(name, line1, line2);
        if (record.catalogNumber != 0) {
            found = true;
            ApplyImportedRecord(db, record, report);
        }
        more = reader.Next(nameLine);
    }
    return found;
}

}  // namespace tarvon
