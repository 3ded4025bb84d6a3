#pragma once
// Paths from the station's texts, which are UTF-8 (the registry, the dialogs
// and the command line all hand over UTF-8). A plain std::string given to
// std::filesystem::path is read in the system's ANSI code page on Windows,
// which makes "C:\Station Ünïcode" another folder or none; these helpers say
// UTF-8 on every system.
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvon {

std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const std::filesystem::path& path);

// A file of the suite directory; a relative name while no directory is set.
std::filesystem::path SuiteFilePath(std::string_view kovaDirectory, const char* fileName);

}  // namespace tarvon
