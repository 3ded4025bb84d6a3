#pragma once
// "Edit Directory": shows how many holes a satellite's directory hole list
// holds, and removes them all or drops the old ones.
#include <windows.h>

namespace tarvon {

class Registry;
class Clock;

void EditDirectoryDialog(HWND owner, Registry& registry, Clock& clock);

}  // namespace tarvon
