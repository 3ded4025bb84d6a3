#pragma once
// "Upload Logging": the uploads recorded in a satellite's VANT log, with
// their count and average speed.
#include <windows.h>

#include <string>

namespace tarvon {

class Registry;

void UploadLogDialog(HWND owner, Registry& registry, const std::string& satellite);

}  // namespace tarvon
