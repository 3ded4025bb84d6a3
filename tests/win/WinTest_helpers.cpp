#include "WinTest_helpers.h"

#include <windows.h>

namespace tarvon::wintest {

std::wstring ProgramBeside(const wchar_t* fileName) {
    wchar_t self[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::filesystem::path path(std::wstring(self, length));
    return (path.parent_path() / fileName).wstring();
}

std::filesystem::path FreshTempDirectory(const wchar_t* name) {
    wchar_t temp[MAX_PATH];
    DWORD length = GetTempPathW(MAX_PATH, temp);
    std::filesystem::path directory = std::filesystem::path(std::wstring(temp, length)) / name;
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
    std::filesystem::create_directories(directory);
    return directory;
}

}  // namespace tarvon::wintest
