#pragma once
// Programs started with CreateProcess; their exit is turned into an Event by
// a system wait callback, so it can be waited on with the station's events.
#include <windows.h>

#include "platform/Processes.h"

namespace tarvon {

class Win32Processes final : public Processes {
public:
    using RegisterWait = BOOL(WINAPI*)(PHANDLE, HANDLE, WAITORTIMERCALLBACK, PVOID, ULONG, ULONG);
    // The exit is watched from the system's wait pool; when the pool refuses,
    // a thread of the process's own watches it instead.
    explicit Win32Processes(RegisterWait registerWait = RegisterWaitForSingleObject)
        : registerWait_(registerWait) {}

    std::unique_ptr<Process> Start(const ProcessStart& start) override;
    WindowHandle FindTopLevelWindow(std::string_view className, std::string_view title) override;
    bool PostToWindow(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) override;

private:
    RegisterWait registerWait_;
};

}  // namespace tarvon
