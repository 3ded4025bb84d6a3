#include "core/FileReplace.h"

#include <cstdio>
#include <system_error>

namespace tarvon {
namespace {

// Windows gets the wide name: a narrow one would pass through the ANSI code
// page and lose what it cannot show.
std::FILE* OpenFile(const std::filesystem::path& path, bool write) {
#ifdef _WIN32
    return _wfopen(path.c_str(), write ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), write ? "wb" : "rb");
#endif
}

}  // namespace

bool ReplaceFileContents(const std::filesystem::path& target, const std::vector<uint8_t>& bytes,
                         std::filesystem::path temporary) {
    if (temporary.empty()) {
        temporary = target;
        temporary += ".new";
    }
    std::FILE* f = OpenFile(temporary, true);
    if (!f) return false;
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    written = (std::fflush(f) == 0) && written;
    written = (std::fclose(f) == 0) && written;
    std::error_code ec;
    if (written) {
        std::filesystem::rename(temporary, target, ec);
        if (!ec) return true;
    }
    std::filesystem::remove(temporary, ec);
    return false;
}

bool ReadWholeFile(const std::filesystem::path& source, std::vector<uint8_t>& bytes) {
    std::FILE* f = OpenFile(source, false);
    if (!f) return false;
    bytes.clear();
    // Sized once up front: a log of tens of megabytes is not copied over and
    // over as it grows. The size is only a hint; reading goes on to the end.
    std::error_code unknown;
    if (const auto size = std::filesystem::file_size(source, unknown); !unknown) bytes.reserve(size);
    uint8_t chunk[8192];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

}  // namespace tarvon
