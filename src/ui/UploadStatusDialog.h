#pragma once
// "Upload File Status": the files waiting for upload in a satellite's
// directory, with the destination and title of each; Delete, and Copy into
// another satellite's queue.
#include <windows.h>

namespace tarvon {

class Registry;

void UploadStatusDialog(HWND owner, Registry& registry);

}  // namespace tarvon
