#include "win32/Win32Processes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "unit/ScratchDir.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

// The stand-in program, built beside win_tests.exe, with these arguments.
std::string Helper(const std::string& arguments) {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path beside = std::filesystem::path(std::wstring(self, length)).parent_path();
    return "\"" + Narrow((beside / L"tarvon_window_helper.exe").wstring()) + "\" " + arguments;
}

// Waits for the program's end as the station does, together with shutdown.
std::optional<uint32_t> WaitForExit(Process& process) {
    Event shutdown(false);
    if (WaitAnyEvent({&shutdown, &process.Exited()}, 20000) != 1) return std::nullopt;
    return process.ExitCode();
}

BOOL WINAPI PoolRefuses(PHANDLE, HANDLE, WAITORTIMERCALLBACK, PVOID, ULONG, ULONG) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return FALSE;
}

// A program that was started is never reported as failed, however its end
// is watched.
TEST(Win32Processes, ExitCodeIsKnownOnceTheProgramHasEnded) {
    for (Win32Processes::RegisterWait watch : {Win32Processes::RegisterWait(RegisterWaitForSingleObject), &PoolRefuses}) {
        Win32Processes processes(watch);
        for (uint32_t code : {0u, 7u, 259u}) {
            auto process = processes.Start({Helper("exit " + std::to_string(code)), "", ShowState::Hidden});
            ASSERT_NE(process, nullptr);
            EXPECT_EQ(WaitForExit(*process), std::optional<uint32_t>(code));
            EXPECT_TRUE(process->Exited().IsSet());
        }
        // A running program has no exit code yet, and dropping its record
        // does not wait for the program.
        auto running = processes.Start({Helper("sleep 8000"), "", ShowState::Hidden});
        ASSERT_NE(running, nullptr);
        EXPECT_EQ(WaitAnyEvent({&running->Exited()}, 500), kWaitTimeout);
        EXPECT_EQ(running->ExitCode(), std::nullopt);
        EXPECT_EQ(running->MainThreadWindow(), kNoWindow);
        const ULONGLONG dropped = GetTickCount64();
        running.reset();
        EXPECT_LT(GetTickCount64() - dropped, 4000u);
    }
}

TEST(Win32Processes, MissingProgramDoesNotStart) {
    Win32Processes processes;
    EXPECT_EQ(processes.Start({"C:\\no\\such\\program.exe SAT-1", "", ShowState::Normal}), nullptr);
    EXPECT_EQ(processes.Start({Helper("exit 0"), "C:\\no\\such\\directory", ShowState::Normal}), nullptr);
}

TEST(Win32Processes, ProgramGetsTheShowStateAskedFor) {
    struct Case {
        ShowState show;
        uint32_t command;
    };
    const Case cases[] = {
        {ShowState::Normal, SW_SHOW},
        {ShowState::Maximised, SW_SHOWMAXIMIZED},
        {ShowState::MinimisedNoActivate, SW_SHOWMINNOACTIVE},
        {ShowState::Hidden, SW_HIDE},
    };
    Win32Processes processes;
    for (const Case& c : cases) {
        auto process = processes.Start({Helper("showstate"), "", c.show});
        ASSERT_NE(process, nullptr);
        EXPECT_EQ(WaitForExit(*process), std::optional<uint32_t>(c.command));
    }
}

TEST(Win32Processes, ProgramRunsInTheDirectoryGiven) {
    const testing::ScratchDir scratch;
    const std::filesystem::path directory = scratch / "with blank";
    std::filesystem::create_directory(directory);
    Win32Processes processes;
    auto process = processes.Start({Helper("cwd"), Narrow(directory.wstring()), ShowState::Hidden});
    ASSERT_NE(process, nullptr);
    ASSERT_EQ(WaitForExit(*process), std::optional<uint32_t>(0));
    EXPECT_TRUE(std::filesystem::exists(directory / "cwd.txt"));
}

// The pass runner looks for a satellite program's main window: the one shown
// first, not a popup it owns nor a hidden one above it, and only that title.
// Its messages and its close are e2e.pass_companion_program's.
TEST(Win32Processes, ProgramMainWindowIsFoundAndClosed) {
    Win32Processes processes;
    auto process = processes.Start({Helper("window TarvonTestMain \"VANT [AO-16]\""), "", ShowState::Normal});
    ASSERT_NE(process, nullptr);
    WindowHandle window = kNoWindow;
    for (int tries = 0; tries < 200 && window == kNoWindow; ++tries) {
        window = process->MainThreadWindow();
        if (window == kNoWindow) Sleep(50);
    }
    ASSERT_NE(window, kNoWindow);
    EXPECT_EQ(processes.FindTopLevelWindow("TarvonTestMain", "VANT [AO-16]"), window);
    EXPECT_NE(processes.FindTopLevelWindow("TarvonTestMain", ""), kNoWindow);
    EXPECT_EQ(processes.FindTopLevelWindow("TarvonTestMain", "VANT [UO-11]"), kNoWindow);
    EXPECT_EQ(processes.FindTopLevelWindow("NoSuchClass", ""), kNoWindow);
    EXPECT_TRUE(processes.CloseWindow(window));
    EXPECT_EQ(WaitForExit(*process), std::optional<uint32_t>(0));
    EXPECT_FALSE(processes.PostToWindow(window, WM_CLOSE, 0, 0));
}

}  // namespace
}  // namespace tarvon
