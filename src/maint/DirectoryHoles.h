#pragma once
// The hole list that VANT keeps of a satellite's file directory ("VANT Dir
// Holes.DAT"): the time ranges its copy of the on-board directory still
// lacks. A 32-bit little-endian count, then that many (start, end) pairs of
// signed 32-bit Unix times; an end of 0x7FFFFFFF is open-ended.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvon {

constexpr const char* kHoleListFileName = "VANT Dir Holes.DAT";
constexpr const char* kHoleListTemporaryName = "VANT Dir Holes.TMP";
constexpr int32_t kOpenEndedHole = 0x7FFFFFFF;

struct DirectoryHole {
    int32_t start = 0;
    int32_t end = 0;
    bool operator==(const DirectoryHole&) const = default;
};

// The holes of a stored list. A count larger than the records the file holds
// yields only the whole records present; a file too short for its count is
// never padded with invented holes.
std::vector<DirectoryHole> DecodeHoleList(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeHoleList(const std::vector<DirectoryHole>& holes);

// What the operator asked for in "Edit Directory".
struct HoleEdit {
    bool removeHoles = false;  // replace the list by one open-ended hole
    bool resetDate = false;    // forget everything older than `days` before now
    uint32_t days = 0;
};

std::vector<DirectoryHole> EditHoles(const std::vector<DirectoryHole>& holes, const HoleEdit& edit,
                                     int32_t now);

// The number of holes in the list of `satelliteDirectory`; nothing when the
// list cannot be read.
std::optional<size_t> CountHoles(const std::string& satelliteDirectory);

// Rewrites the list of `satelliteDirectory` through "VANT Dir Holes.TMP".
// False when the list is missing or the new one cannot be written in full;
// the old list is then untouched.
bool UpdateHoleList(const std::string& satelliteDirectory, const HoleEdit& edit, int32_t now);

}  // namespace tarvon
