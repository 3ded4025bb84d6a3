#include "maint/HousekeepingFiles.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>

#include "core/Utf8Path.h"

namespace tarvon {
namespace {

namespace fs = std::filesystem;

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Calls `visit(name, lastWriteUnix)` for every file of `directory` with the
// extension. A directory that does not exist or cannot be read has no files.
template <typename Visit>
void ForEachFileWithExtension(const std::string& directory, std::string_view extension,
                              Visit visit) {
    std::error_code error;
    fs::directory_iterator it(PathFromUtf8(directory), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code entryError;
        if (it->is_directory(entryError)) continue;
        std::string name = Utf8FromPath(it->path().filename());
        size_t dot = name.rfind('.');
        if (dot == std::string::npos || !SameTextIgnoringCase(name.substr(dot + 1), extension)) {
            continue;
        }
        fs::file_time_type written = it->last_write_time(entryError);
        if (entryError) continue;
        auto system = std::chrono::file_clock::to_sys(written);
        int64_t unix =
            std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
        visit(name, unix);
    }
}

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
    ForEachFileWithExtension(directory, extension, [&](const std::string& name, int64_t written) {
        if (written >= cutoff) return;
        DeleteQuietly(PathFromUtf8(directory) / PathFromUtf8(name));
        ++attempts;
    });
    return attempts;
}

uint32_t TrimNumberedHeaderFiles(const std::string& directory, uint32_t keep) {
    std::set<int64_t> found;
    ForEachFileWithExtension(directory, "PFH", [&](const std::string& name, int64_t) {
        int64_t number = HeaderFileNumber(name);
        if (number >= 0) found.insert(number);
    });
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
        DeleteQuietly(PathFromUtf8(directory) / PathFromUtf8(name));
    }
    return static_cast<uint32_t>(firstKept - lowest);
}

}  // namespace tarvon
