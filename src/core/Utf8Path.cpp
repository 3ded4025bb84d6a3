#include "core/Utf8Path.h"

namespace tarvon {

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path SuiteFilePath(std::string_view kovaDirectory, const char* fileName) {
    if (kovaDirectory.empty()) return fileName;
    return PathFromUtf8(kovaDirectory) / fileName;
}

}  // namespace tarvon
