#pragma once
// "VANT Logs": the sessions of a satellite's VANT log with the efficiency of
// each pass; Clear, Print, and the uploads made.
#include <windows.h>

namespace tarvon {

class Registry;

void VantLogDialog(HWND owner, Registry& registry);

}  // namespace tarvon
