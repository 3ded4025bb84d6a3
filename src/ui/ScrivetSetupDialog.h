#pragma once
// "Scrivet Setup": the message editor's settings under SOFTWARE\Kova\Scrivet.
#include <windows.h>

namespace tarvon {

class Registry;

void ScrivetSetupDialog(HWND owner, Registry& registry);

}  // namespace tarvon
