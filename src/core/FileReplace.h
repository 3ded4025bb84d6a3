#pragma once
// Whole-file saves that never lose the previous file: the bytes go to a
// temporary file beside the target, which then replaces the target in one step.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace tarvon {

// True when the new contents are in place. On false the old file is untouched
// and no temporary file is left behind. The temporary file is `temporary`, or
// the target's name with ".new" added when none is given.
bool ReplaceFileContents(const std::filesystem::path& target, const std::vector<uint8_t>& bytes,
                         std::filesystem::path temporary = {});

// The whole file, or nothing when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& source, std::vector<uint8_t>& bytes);

}  // namespace tarvon
