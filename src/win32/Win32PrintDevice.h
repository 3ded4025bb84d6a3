#pragma once
// The default Windows printer as a PrintDevice: the "device" entry of the
// [windows] section ("name,driver,port"), no printer dialog.
#include <windows.h>

#include "platform/LinePrinter.h"

namespace tarvon {

class Win32PrintDevice final : public PrintDevice {
public:
    ~Win32PrintDevice() override;
    bool StartDocument(std::string_view name, PageMetrics& metrics) override;
    void Text(int x, int y, std::string_view text) override;
    void NextPage() override;
    void EndDocument() override;

private:
    HDC dc_ = nullptr;
};

}  // namespace tarvon
