#pragma once
// Programs started with CreateProcess; their exit is turned into an Event by
// a system wait callback, so it can be waited on with the station's events.
#include "platform/Processes.h"

namespace tarvon {

class Win32Processes final : public Processes {
public:
    std::unique_ptr<Process> Start(const ProcessStart& start) override;
    WindowHandle FindTopLevelWindow(std::string_view className, std::string_view title) override;
    std::string WindowClassName(WindowHandle window) override;
    std::string WindowTitle(WindowHandle window) override;
    bool PostToWindow(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) override;
};

}  // namespace tarvon
