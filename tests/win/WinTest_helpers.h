#pragma once
#include <filesystem>
#include <string>

namespace tarvon::wintest {

// A program built beside win_tests.exe.
std::wstring ProgramBeside(const wchar_t* fileName);
// An empty directory of this name under the temporary directory.
std::filesystem::path FreshTempDirectory(const wchar_t* name);

}  // namespace tarvon::wintest
