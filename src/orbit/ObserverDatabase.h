#pragma once
// "KOVA.OBS": the observers the map can show besides the station, a plain
// sequence of 50-byte records (name, latitude, longitude, elevation) in the
// order they were added. Every change rewrites the file through a temporary
// file, so a crash mid-save leaves the old file whole.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "orbit/SatState.h"

namespace tarvon {

constexpr size_t kObserverRecordBytes = 50;
constexpr size_t kObserverNameChars = 25;
constexpr const char* kObserverFileName = "KOVA.OBS";

struct ObserverRecord {
    char name[26] = {};
    double latitude = 0.0;   // degrees, north positive
    double longitude = 0.0;  // degrees, east positive
    double elevation = 0.0;  // metres
};

using ObserverBytes = std::array<uint8_t, kObserverRecordBytes>;

// Little-endian, field by field; decoding always terminates the name.
ObserverBytes EncodeObserverRecord(const ObserverRecord& record);
ObserverRecord DecodeObserverRecord(const ObserverBytes& bytes);

// A record the station can use: a printable, non-empty name and a position
// on the Earth. Others (damaged files) are kept in the file but never shown.
bool IsUsableObserver(const ObserverRecord& record);

std::filesystem::path ObserverFilePath(const std::string& kovaDirectory);

// The usable records in file order; none when the file is missing. Bytes
// past the last whole record are ignored.
std::vector<ObserverRecord> ReadObserverRecords(const std::filesystem::path& file);

// The first usable record with exactly that name (case matters).
bool FindObserverRecord(const std::filesystem::path& file, const char* name, ObserverRecord& out);
// The map's geometry of the named observer: radians, west positive, km.
bool LoadObserverGeo(const std::filesystem::path& file, const char* name, ObserverGeo& out);
ObserverGeo ObserverGeoFromRecord(const ObserverRecord& record);

enum class ObserverSaveResult { Replaced, Appended, Failed };
// Replaces the record of the same name where it stands, or appends it.
ObserverSaveResult SaveObserverRecord(const std::filesystem::path& file, const ObserverRecord& record);

enum class ObserverDeleteResult { Deleted, NotFound, Failed };
// Removes the first record with that name; the file is untouched otherwise.
ObserverDeleteResult DeleteObserverRecord(const std::filesystem::path& file, const char* name);

}  // namespace tarvon
