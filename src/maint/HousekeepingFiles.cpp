#include "maint/HousekeepingFiles.h"

#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>

#include "core/Utf8Path.h"
#include "maint/DirectoryFiles.h"

namespace tarvon {
namespace {

namespace fs = std::filesystem;

void DeleteQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// The number of a header file named "VANT<digits>.PFH", or -1.
int64_t HeaderFileNumber(const std::string& name) {
    constexpr std::string_view prefix = "VANT";
    if (name.compare(0, prefix.size(), prefix) != 0) return -1;
    size_t end = prefix.size();
    int64_t number = 0;
    // Nine digits at most: the number must stay a plain int, as the names are written.
    while (end < name.size() && end - prefix.size() < 9 && name[end] >= '0' && name[end] <= '9') {
        number = number * 10 + (name[end] - '0');
        ++end;
    }
    if (end == prefix.size() || !SameTextIgnoringCase(name.substr(end), ".PFH")) return -1;
    return number;
}

}  // namespace

uint32_t DeleteFilesOlderThan(const std::string& directory, std::string_view extension,
                              int64_t cutoff) {
    uint32_t attempts = 0;
    for (const FoundFile& file : FilesWithExtension(directory, extension)) {
        if (file.lastWrite >= cutoff) continue;
        DeleteQuietly(PathFromUtf8(directory) / PathFromUtf8(file.name));
        ++attempts;
    }
    return attempts;
}

uint32_t TrimNumberedHeaderFiles(const std::string& directory, uint32_t keep) {
    std::set<int64_t> found;
    for (const FoundFile& file : FilesWithExtension(directory, "PFH")) {
        const int64_t number = HeaderFileNumber(file.name);
        if (number >= 0) found.insert(number);
    }
    if (found.empty()) return 0;
    const int64_t lowest = *found.begin();
    const int64_t highest = *found.rbegin();
    const int64_t spread = static_cast<int64_t>(keep) - 1;
    // Numbers lowest .. highest - spread - 1 go. Each counts as an attempt even
    // when no such file exists, but only the files that exist are touched, so a
    // stray huge number cannot make this walk a billion names.
    const int64_t firstKept = highest - spread;
    if (firstKept <= lowest) return 0;
    for (auto it = found.begin(); it != found.end() && *it < firstKept; ++it) {
        char name[32];
        std::snprintf(name, sizeof name, "VANT%04lld.PFH", static_cast<long long>(*it));
        DeleteQuietly(PathFromUtf8(directory) / name);
    }
    return static_cast<uint32_t>(firstKept - lowest);
}

}  // namespace tarvon
