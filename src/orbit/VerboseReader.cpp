#include <cctype>
#include <cmath>
#include <cstring>

#include "orbit/ElementFields.h"
#include "orbit/ElementImport.h"
#include "orbit/ElementLineReader.h"
#include "orbit/ImportTexts.h"

namespace tarvon {
namespace {

constexpr const char* kSatelliteLabel = "Satellite:";
constexpr size_t kNameColumn = 11;  // after the label and one blank

bool StartsWith(const std::string& line, const char* label) { return line.rfind(label, 0) == 0; }

bool IsBlank(const char* text) {
    for (; *text; ++text) {
        if (!std::isspace(static_cast<unsigned char>(*text))) return false;
    }
    return true;
}

// Stores the value of one labelled line; false when the line carries none of
// the block's labels.
bool StoreLabelledValue(const std::string& line, KepsRecord& r) {
    struct Label {
        const char* text;
        void (*store)(const char* value, KepsRecord& r);
    };
    static const Label kLabels[] = {
        {"Catalog number:", [](const char* v, KepsRecord& r) { r.catalogNumber = static_cast<uint16_t>(UnsignedValue(v)); }},
        {"Epoch time:",
         [](const char* v, KepsRecord& r) {
             const double value = RealValue(v);
             const double year = std::trunc(value / 1000.0);
             // Beyond any year the record can hold the value is not an epoch.
             const bool fits = std::fabs(year) <= 32767.0;
             r.epochYear = fits ? static_cast<int16_t>(year) : 0;
             r.epochDay = fits ? value - 1000.0 * year : 0.0;
         }},
        {"Element set:", [](const char* v, KepsRecord& r) { r.elementSet = static_cast<int32_t>(IntegerValue(v)); }},
        {"Inclination:", [](const char* v, KepsRecord& r) { r.inclination = RealValue(v); }},
        {"RA of node:", [](const char* v, KepsRecord& r) { r.raan = RealValue(v); }},
        {"Eccentricity:", [](const char* v, KepsRecord& r) { r.eccentricity = RealValue(v); }},
        {"Arg of perigee:", [](const char* v, KepsRecord& r) { r.argPerigee = RealValue(v); }},
        {"Mean anomaly:", [](const char* v, KepsRecord& r) { r.meanAnomaly = RealValue(v); }},
        {"Mean motion:", [](const char* v, KepsRecord& r) { r.meanMotion = RealValue(v); }},
        {"Decay rate:", [](const char* v, KepsRecord& r) { r.decay = RealValue(v); }},
        {"Epoch rev:", [](const char* v, KepsRecord& r) { r.epochOrbit = static_cast<int32_t>(IntegerValue(v)); }},
        {"Checksum:", [](const char*, KepsRecord&) {}},
    };
    for (const auto& label : kLabels) {
        if (StartsWith(line, label.text)) {
            label.store(line.c_str() + std::strlen(label.text), r);
            return true;
        }
    }
    return false;
}

}  // namespace

bool ImportVerboseFile(std::span<const uint8_t> bytes, KepsDatabase& db, ImportReport& report) {
    ElementLineReader reader(bytes);
    bool found = false;
    std::string line;
    bool more = reader.Next(line);
    while (more) {
        if (!StartsWith(line, kSatelliteLabel)) {
            more = reader.Next(line);
            continue;
        }
        KepsRecord record;
        CopyKepsName(record, line.size() > kNameColumn ? line.c_str() + kNameColumn : "");
        while ((more = reader.Next(line)) && !StartsWith(line, kSatelliteLabel) && StoreLabelledValue(line, record)) {
        }
        if (IsBlank(record.name)) {
            // A nameless satellite would be stored as a free slot and lost at
            // the next addition; the two-line reader skips such sets too.
            continue;
        }
        found = true;
        if (record.catalogNumber == 0) {
            // Catalogue 0 matches no slot, so it would be added again at every
            // import.
            report.push_back(std::string(record.name) + texts::kNoCatalogNumber);
        } else {
            ApplyImportedRecord(db, record, report);
        }
        // The line that ended the block may start the next one.
    }
    return found;
}

}  // namespace tarvon
