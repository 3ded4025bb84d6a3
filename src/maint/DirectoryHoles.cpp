#include "maint/DirectoryHoles.h"

#include <algorithm>

#include "core/FileReplace.h"
#include "core/Utf8Path.h"

namespace tarvon {
namespace {

constexpr size_t kCountBytes = 4;
constexpr size_t kHoleBytes = 8;
constexpr int64_t kSecondsPerDay = 86400;

uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void WriteU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// A time `days` before now; never below the earliest time the list can hold.
int32_t DaysBefore(int32_t now, uint32_t days) {
    const int64_t t = static_cast<int64_t>(now) - static_cast<int64_t>(days) * kSecondsPerDay;
    return static_cast<int32_t>(std::max<int64_t>(t, INT32_MIN));
}

bool ReadHoles(const std::string& directory, std::vector<DirectoryHole>& holes) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(PathFromUtf8(directory) / kHoleListFileName, bytes)) return false;
    holes = DecodeHoleList(bytes);
    return true;
}

}  // namespace

std::vector<DirectoryHole> DecodeHoleList(std::span<const uint8_t> bytes) {
    std::vector<DirectoryHole> holes;
    if (bytes.size() < kCountBytes) return holes;
    const size_t present = (bytes.size() - kCountBytes) / kHoleBytes;
    const size_t count = std::min<size_t>(ReadU32(bytes.data()), present);
    holes.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* record = bytes.data() + kCountBytes + i * kHoleBytes;
        holes.push_back({static_cast<int32_t>(ReadU32(record)), static_cast<int32_t>(ReadU32(record + 4))});
    }
    return holes;
}

std::vector<uint8_t> EncodeHoleList(const std::vector<DirectoryHole>& holes) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kCountBytes + holes.size() * kHoleBytes);
    WriteU32(bytes, static_cast<uint32_t>(holes.size()));
    for (const DirectoryHole& hole : holes) {
        WriteU32(bytes, static_cast<uint32_t>(hole.start));
        WriteU32(bytes, static_cast<uint32_t>(hole.end));
    }
    return bytes;
}

std::vector<DirectoryHole> EditHoles(const std::vector<DirectoryHole>& holes, const HoleEdit& edit,
                                     int32_t now) {
    const int32_t cutoff = edit.resetDate ? DaysBefore(now, edit.days) : now;
    if (edit.removeHoles) {
        // Without a date of its own the one hole keeps the newest hole's start;
        // an empty list has no such start, and asking from now on is all that
        // is left to ask for.
        int32_t start = cutoff;
        if (!edit.resetDate && !holes.empty()) start = holes.back().start;
        return {{start, kOpenEndedHole}};
    }
    std::vector<DirectoryHole> kept;
    for (const DirectoryHole& hole : holes) {
        if (hole.end > cutoff) kept.push_back({std::max(hole.start, cutoff), hole.end});
    }
    return kept;
}

std::optional<size_t> CountHoles(const std::string& satelliteDirectory) {
    std::vector<DirectoryHole> holes;
    if (!ReadHoles(satelliteDirectory, holes)) return std::nullopt;
    return holes.size();
}

bool UpdateHoleList(const std::string& satelliteDirectory, const HoleEdit& edit, int32_t now) {
    std::vector<DirectoryHole> holes;
    if (!ReadHoles(satelliteDirectory, holes)) return false;
    const std::filesystem::path directory = PathFromUtf8(satelliteDirectory);
    return ReplaceFileContents(directory / kHoleListFileName, EncodeHoleList(EditHoles(holes, edit, now)),
                               directory / kHoleListTemporaryName);
}

}  // namespace tarvon
