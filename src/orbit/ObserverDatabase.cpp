#include "orbit/ObserverDatabase.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "core/FileReplace.h"
#include "core/Utf8Path.h"
#include "orbit/OrbitConstants.h"

namespace tarvon {
namespace {

constexpr size_t kNameField = 26;
// Below the deepest sea floor to well above any aircraft: an elevation
// outside this is a damaged record, not a place.
constexpr double kLowestElevation = -12000.0;
constexpr double kHighestElevation = 100000.0;

void PutDouble(uint8_t* out, double value) {
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    for (size_t i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(bits >> (8 * i));
}

double GetDouble(const uint8_t* in) {
    uint64_t bits = 0;
    for (size_t i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(in[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

// Every whole record of the file as stored, damaged ones included, so that
// a rewrite keeps what it does not understand. False when it cannot be read.
bool ReadStoredRecords(const std::filesystem::path& file, std::vector<ObserverBytes>& records) {
    std::vector<uint8_t> bytes;
    records.clear();
    if (!ReadWholeFile(file, bytes)) return false;
    for (size_t at = 0; at + kObserverRecordBytes <= bytes.size(); at += kObserverRecordBytes) {
        ObserverBytes r;
        std::memcpy(r.data(), bytes.data() + at, kObserverRecordBytes);
        records.push_back(r);
    }
    return true;
}

bool WriteStoredRecords(const std::filesystem::path& file, const std::vector<ObserverBytes>& records) {
    std::vector<uint8_t> bytes;
    bytes.reserve(records.size() * kObserverRecordBytes);
    for (const ObserverBytes& r : records) bytes.insert(bytes.end(), r.begin(), r.end());
    return ReplaceFileContents(file, bytes);
}

// The stored record that a name refers to: the first usable one with it.
std::vector<ObserverBytes>::iterator FindStored(std::vector<ObserverBytes>& records, const char* name) {
    for (auto it = records.begin(); it != records.end(); ++it) {
        const ObserverRecord r = DecodeObserverRecord(*it);
        if (IsUsableObserver(r) && std::strcmp(r.name, name) == 0) return it;
    }
    return records.end();
}

}  // namespace

ObserverBytes EncodeObserverRecord(const ObserverRecord& record) {
    ObserverBytes bytes{};
    std::memcpy(bytes.data(), record.name, kNameField);
    PutDouble(bytes.data() + 26, record.latitude);
    PutDouble(bytes.data() + 34, record.longitude);
    PutDouble(bytes.data() + 42, record.elevation);
    return bytes;
}

ObserverRecord DecodeObserverRecord(const ObserverBytes& bytes) {
    ObserverRecord r;
    std::memcpy(r.name, bytes.data(), kNameField);
    r.name[kObserverNameChars] = '\0';
    r.latitude = GetDouble(bytes.data() + 26);
    r.longitude = GetDouble(bytes.data() + 34);
    r.elevation = GetDouble(bytes.data() + 42);
    return r;
}

bool IsUsableObserver(const ObserverRecord& r) {
    if (r.name[0] == '\0') return false;
    for (const char* c = r.name; *c; ++c) {
        const auto u = static_cast<unsigned char>(*c);
        if (u < 0x20 || u == 0x7F) return false;
    }
    return std::isfinite(r.latitude) && std::fabs(r.latitude) <= 90.0 && std::isfinite(r.longitude) &&
           std::fabs(r.longitude) <= 180.0 && std::isfinite(r.elevation) && r.elevation >= kLowestElevation &&
           r.elevation <= kHighestElevation;
}

std::filesystem::path ObserverFilePath(const std::string& kovaDirectory) {
    return SuiteFilePath(kovaDirectory, kObserverFileName);
}

std::vector<ObserverRecord> ReadObserverRecords(const std::filesystem::path& file) {
    std::vector<ObserverBytes> stored;
    std::vector<ObserverRecord> usable;
    ReadStoredRecords(file, stored);
    for (const ObserverBytes& bytes : stored) {
        const ObserverRecord r = DecodeObserverRecord(bytes);
        if (IsUsableObserver(r)) usable.push_back(r);
    }
    return usable;
}

bool FindObserverRecord(const std::filesystem::path& file, const char* name, ObserverRecord& out) {
    for (const ObserverRecord& r : ReadObserverRecords(file)) {
        if (std::strcmp(r.name, name) == 0) {
            out = r;
            return true;
        }
    }
    return false;
}

ObserverGeo ObserverGeoFromRecord(const ObserverRecord& record) {
    ObserverGeo geo;
    std::memcpy(geo.name, record.name, sizeof geo.name);
    geo.latitude = record.latitude * orbit::kDegToRad;
    geo.longitude = -record.longitude * orbit::kDegToRad;
    geo.height = record.elevation * 0.001;
    return geo;
}

bool LoadObserverGeo(const std::filesystem::path& file, const char* name, ObserverGeo& out) {
    ObserverRecord r;
    if (!FindObserverRecord(file, name, r)) return false;
    out = ObserverGeoFromRecord(r);
    return true;
}

ObserverSaveResult SaveObserverRecord(const std::filesystem::path& file, const ObserverRecord& record) {
    std::vector<ObserverBytes> records;
    ReadStoredRecords(file, records);  // a missing file is created by the first save
    auto it = FindStored(records, record.name);
    const bool replace = it != records.end();
    if (replace) {
        *it = EncodeObserverRecord(record);
    } else {
        records.push_back(EncodeObserverRecord(record));
    }
    if (!WriteStoredRecords(file, records)) return ObserverSaveResult::Failed;
    return replace ? ObserverSaveResult::Replaced : ObserverSaveResult::Appended;
}

ObserverDeleteResult DeleteObserverRecord(const std::filesystem::path& file, const char* name) {
    std::vector<ObserverBytes> records;
    if (!ReadStoredRecords(file, records)) return ObserverDeleteResult::NotFound;
    auto it = FindStored(records, name);
    if (it == records.end()) return ObserverDeleteResult::NotFound;
    records.erase(it);
    return WriteStoredRecords(file, records) ? ObserverDeleteResult::Deleted : ObserverDeleteResult::Failed;
}

}  // namespace tarvon
