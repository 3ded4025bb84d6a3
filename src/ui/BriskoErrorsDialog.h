#pragma once
// "Brisko Errors": Brisko's error log from the suite directory; Print, and
// Clear, which deletes the log.
#include <windows.h>

#include <string>

namespace tarvon {

void BriskoErrorsDialog(HWND owner, const std::string& kovaDirectory);

}  // namespace tarvon
