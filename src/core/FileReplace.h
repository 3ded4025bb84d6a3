#pragma once
// Whole-file saves that never lose the previous file: the bytes go to a
// temporary file beside the target, which then replaces the target in one step.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace tarvon {

// True when the new contents are in place. On false the old file is untouched
// and no temporary file is left behind.
bool ReplaceFileContents(const std::filesystem::path& target, const std::vector<uint8_t>& bytes);

// The whole file, or nothing when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& source, std::vector<uint8_t>& bytes);

}  // namespace tarvon
