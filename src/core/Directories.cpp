#include "core/Directories.h"

#include <filesystem>
#include <system_error>

#include "core/FieldChecks.h"
#include "core/Utf8Path.h"

namespace tarvon {
namespace {

// The longest directory a 260-byte path buffer holds with its NUL.
constexpr size_t kMaxDirectoryChars = 259;

bool IsDriveRoot(const std::string& path) {
    return path.size() == 3 && path[1] == ':' && path[2] == '\\';
}

std::string CannotCreate(const std::string& path) { return "Unable to create directory \"" + path + "\""; }

// Characters no Windows file name holds; a colon only after a drive letter.
bool HasForbiddenCharacter(std::string_view path) {
    for (size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (c < 0x20 || c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*') return true;
        if (c == ':' && i != 1) return true;
    }
    return false;
}

}  // namespace

std::string DirectoryWithoutTrailingSlash(const std::string& path) {
    if (IsDriveRoot(path)) return path.substr(0, 2);
    if (!path.empty() && path.back() == '\\') return path.substr(0, path.size() - 1);
    return path;
}

void EnsureDirectory(std::string& path, Notices& notices) {
    if (!IsDriveRoot(path)) path = DirectoryWithoutTrailingSlash(path);
    std::error_code ec;
    const std::filesystem::path target = PathFromUtf8(path);
    // A file of that name is no directory, however long it has been there.
    const bool made = std::filesystem::is_directory(target, ec) || std::filesystem::create_directory(target, ec);
    if (!made) notices.Show(CannotCreate(path), "Tarvon", NoticeIcon::Exclamation);
    path = DirectoryWithoutTrailingSlash(path);
}

std::optional<std::string> CheckDirectory(std::string_view label, const std::string& path) {
    if (auto problem = CheckText(label, path, kMaxDirectoryChars, false)) return problem;
    if (HasForbiddenCharacter(path)) {
        return CannotCreate(path) + ": a directory name cannot hold any of the characters < > : \" | ? *";
    }
    std::error_code ec;
    const std::filesystem::path target = PathFromUtf8(DirectoryWithoutTrailingSlash(path));
    if (!path.empty() && std::filesystem::exists(target, ec) && !std::filesystem::is_directory(target, ec)) {
        return CannotCreate(path) + ": a file of that name is in the way.";
    }
    return std::nullopt;
}

}  // namespace tarvon
