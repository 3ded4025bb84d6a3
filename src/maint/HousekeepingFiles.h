#pragma once
// The directory work of file housekeeping: finding old files of one class and
// trimming the numbered header files.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvon {

// Deletes every file of `directory` whose extension is `extension` (compared
// without regard to case, as the system's wildcard does) and whose last write
// is before `cutoff` (Unix time). Returns the number of deletion attempts.
uint32_t DeleteFilesOlderThan(const std::string& directory, std::string_view extension,
                              int64_t cutoff);

// Deletes the oldest numbered header files "VANT%04d.PFH" of `directory` so
// that the numbers within `keep` of the highest stay. Every number from the
// lowest up counts as an attempt, gaps included. Returns the attempts.
uint32_t TrimNumberedHeaderFiles(const std::string& directory, uint32_t keep);

}  // namespace tarvon
