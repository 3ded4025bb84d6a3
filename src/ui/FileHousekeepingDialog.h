#pragma once
// "File Housekeeping": the rules of file housekeeping, saved, and a run of
// it at once for one PacSat satellite or for all.
#include <windows.h>

namespace tarvon {

class Registry;
class Clock;

void FileHousekeepingDialog(HWND owner, Registry& registry, Clock& clock);

}  // namespace tarvon
