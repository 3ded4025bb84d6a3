#pragma once
// "Brisko Setup": the mail processor's settings under SOFTWARE\Kova\Brisko.
#include <windows.h>

namespace tarvon {

class Registry;

void BriskoSetupDialog(HWND owner, Registry& registry);

}  // namespace tarvon
