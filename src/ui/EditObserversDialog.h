#pragma once
// "Edit Observer Database": adds, changes and deletes the records of KOVA.OBS.
#include <windows.h>

#include <filesystem>

namespace tarvon {

void EditObserversDialog(HWND owner, const std::filesystem::path& observerFile);

}  // namespace tarvon
