#include "maint/DirectoryFiles.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "core/Utf8Path.h"

namespace tarvon {

namespace fs = std::filesystem;

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    for (size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::vector<FoundFile> FilesWithExtension(const std::string& directory, std::string_view extension) {
    std::vector<FoundFile> found;
    std::error_code error;
    fs::directory_iterator it(PathFromUtf8(directory), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code entryError;
        if (it->is_directory(entryError)) continue;
        std::string name = Utf8FromPath(it->path().filename());
        const size_t dot = name.rfind('.');
        if (dot == std::string::npos || !SameTextIgnoringCase(std::string_view(name).substr(dot + 1), extension)) {
            continue;
        }
        const fs::file_time_type written = it->last_write_time(entryError);
        if (entryError) continue;
        const auto system = std::chrono::file_clock::to_sys(written);
        found.push_back({std::move(name),
                         std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count()});
    }
    return found;
}

}  // namespace tarvon
