#include "core/FileReplace.h"

#include <cstdio>
#include <system_error>

namespace tarvon {

bool ReplaceFileContents(const std::filesystem::path& target, const std::vector<uint8_t>& bytes) {
    std::filesystem::path temporary = target;
    temporary += ".new";
    std::FILE* f = nullptr;
#ifdef _WIN32
    f = _wfopen(temporary.c_str(), L"wb");
#else
    f = std::fopen(temporary.c_str(), "wb");
#endif
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
    std::FILE* f = nullptr;
#ifdef _WIN32
    f = _wfopen(source.c_str(), L"rb");
#else
    f = std::fopen(source.c_str(), "rb");
#endif
    if (!f) return false;
    bytes.clear();
    uint8_t chunk[8192];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

}  // namespace tarvon
