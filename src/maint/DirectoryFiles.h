#pragma once
// The files of one class in a companion program's directory, found the way
// the system's "*.EXT" wildcard finds them: by extension, whatever its case.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvon {

struct FoundFile {
    std::string name;        // UTF-8, without the directory
    int64_t lastWrite = 0;   // Unix time
};

// Plain files only. A directory that does not exist or cannot be read has no
// files. The order is the directory's own.
std::vector<FoundFile> FilesWithExtension(const std::string& directory, std::string_view extension);

bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tarvon
