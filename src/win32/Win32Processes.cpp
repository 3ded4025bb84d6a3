#include "win32/Win32Processes.h"

#include <vector>

#include "win32/Utf8.h"

namespace tarvon {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(window)); }
WindowHandle FromHwnd(HWND window) { return static_cast<WindowHandle>(reinterpret_cast<uintptr_t>(window)); }

WORD ShowCommand(ShowState show) {
    switch (show) {
        case ShowState::Maximised: return SW_SHOWMAXIMIZED;
        case ShowState::Minimised: return SW_SHOWMINIMIZED;
        case ShowState::MinimisedNoActivate: return SW_SHOWMINNOACTIVE;
        case ShowState::Hidden: return SW_HIDE;
        case ShowState::Normal: break;
    }
    return SW_SHOW;
}

BOOL CALLBACK TakeFirstVisibleTopLevel(HWND window, LPARAM found) {
    if (GetParent(window) || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

class Win32Process final : public Process {
public:
    Win32Process(HANDLE process, DWORD mainThreadId) : process_(process), mainThreadId_(mainThreadId) {}
    ~Win32Process() override {
        // Both wait for a watch already running, so it never touches a freed Event.
        if (wait_) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
        if (watchThread_) {
            SetEvent(stopWatch_);
            WaitForSingleObject(watchThread_, INFINITE);
            CloseHandle(watchThread_);
        }
        if (stopWatch_) CloseHandle(stopWatch_);
        CloseHandle(process_);
    }
    Win32Process(const Win32Process&) = delete;
    Win32Process& operator=(const Win32Process&) = delete;

    // The program runs whatever happens here: a program nobody can wait for
    // is still one the pass runner closes at the end of its pass.
    void WatchExit(Win32Processes::RegisterWait registerWait) {
        if (registerWait(&wait_, process_, OnExit, &exited_, INFINITE, WT_EXECUTEONLYONCE)) return;
        wait_ = nullptr;
        stopWatch_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (stopWatch_) watchThread_ = CreateThread(nullptr, kWatchStack, WatchThread, this, 0, nullptr);
    }

    Event& Exited() override { return exited_; }

    std::optional<uint32_t> ExitCode() override {
        DWORD code = 0;
        if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0 || !GetExitCodeProcess(process_, &code))
            return std::nullopt;
        return code;
    }

    WindowHandle MainThreadWindow() override {
        HWND found = nullptr;
        EnumThreadWindows(mainThreadId_, TakeFirstVisibleTopLevel, reinterpret_cast<LPARAM>(&found));
        return FromHwnd(found);
    }

private:
    static constexpr DWORD kWatchStack = 16384;

    static void CALLBACK OnExit(void* exited, BOOLEAN) { static_cast<Event*>(exited)->Set(); }

    static DWORD WINAPI WatchThread(LPVOID parameter) {
        auto* self = static_cast<Win32Process*>(parameter);
        const HANDLE handles[] = {self->process_, self->stopWatch_};
        try {
            if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0) self->exited_.Set();
        } catch (...) {
            // The system could not lock the event: the exit goes unsignalled
            // and whoever waits for it gives up at its own time limit.
            return 1;
        }
        return 0;
    }

    HANDLE process_;
    DWORD mainThreadId_;
    HANDLE wait_ = nullptr;
    HANDLE stopWatch_ = nullptr;
    HANDLE watchThread_ = nullptr;
    Event exited_{false};
};

}  // namespace

std::unique_ptr<Process> Win32Processes::Start(const ProcessStart& start) {
    std::wstring commandLine = Widen(start.commandLine);
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());  // CreateProcessW may write to it
    writable.push_back(L'\0');
    std::wstring directory = Widen(start.directory);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = ShowCommand(start.show);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info))
        return nullptr;
    CloseHandle(info.hThread);
    auto process = std::make_unique<Win32Process>(info.hProcess, info.dwThreadId);
    process->WatchExit(registerWait_);
    return process;
}

WindowHandle Win32Processes::FindTopLevelWindow(std::string_view className, std::string_view title) {
    std::wstring wideClass = Widen(className);
    std::wstring wideTitle = Widen(title);
    return FromHwnd(FindWindowW(wideClass.empty() ? nullptr : wideClass.c_str(),
                                wideTitle.empty() ? nullptr : wideTitle.c_str()));
}

bool Win32Processes::PostToWindow(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) {
    return PostMessageW(ToHwnd(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)) !=
           FALSE;
}

}  // namespace tarvon
