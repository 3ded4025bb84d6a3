#include "win32/Win32Processes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "WinTest_helpers.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr uint32_t kListenOnly = 2041;
constexpr uint32_t kLos = 2042;

std::string Helper(const std::string& arguments) {
    return "\"" + Narrow(wintest::ProgramBeside(L"tarvon_window_helper.exe")) + "\" " + arguments;
}

// Waits for the program's end as the station does, together with shutdown.
std::optional<uint32_t> WaitForExit(Process& process, uint32_t timeoutMs = 20000) {
    Event shutdown(false);
    if (WaitAnyEvent({&shutdown, &process.Exited()}, timeoutMs) != 1) return std::nullopt;
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
        // Dropping a running program's record does not wait for the program.
        auto running = processes.Start({Helper("sleep 8000"), "", ShowState::Hidden});
        ASSERT_NE(running, nullptr);
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
    std::filesystem::path directory = wintest::FreshTempDirectory(L"tarvon cwd test");
    Win32Processes processes;
    auto process = processes.Start({Helper("cwd"), Narrow(directory.wstring()), ShowState::Hidden});
    ASSERT_NE(process, nullptr);
    ASSERT_EQ(WaitForExit(*process), std::optional<uint32_t>(0));
    std::ifstream written(directory / "cwd.txt", std::ios::binary);
    EXPECT_TRUE(written.good());
}

TEST(Win32Processes, WaitEndsWithShutdownWhileTheProgramRuns) {
    Win32Processes processes;
    // Long enough to outlast the test on a busy machine; nobody waits for it.
    auto process = processes.Start({Helper("sleep 20000"), "", ShowState::Hidden});
    ASSERT_NE(process, nullptr);
    Event shutdown(false);
    std::thread closer([&] {
        Sleep(100);
        shutdown.Set();
    });
    EXPECT_EQ(WaitAnyEvent({&shutdown, &process->Exited()}, 20000), 0);
    closer.join();
    EXPECT_FALSE(process->Exited().IsSet());
    EXPECT_EQ(process->ExitCode(), std::nullopt);
    EXPECT_EQ(process->MainThreadWindow(), kNoWindow);
    EXPECT_EQ(WaitAnyEvent({&process->Exited()}, 1000), kWaitTimeout);
}

// The pass runner's dialogue with a satellite program: find its main
// window, tell it listen-only and the LOS, close it, collect its end.
TEST(Win32Processes, ProgramWindowIsFoundSignalledAndClosed) {
    Win32Processes processes;
    auto process = processes.Start({Helper("window TarvonTestMain \"VANT [AO-16]\""), "", ShowState::Normal});
    ASSERT_NE(process, nullptr);
    WindowHandle window = kNoWindow;
    for (int tries = 0; tries < 200 && window == kNoWindow; ++tries) {
        window = process->MainThreadWindow();
        if (window == kNoWindow) Sleep(50);
    }
    ASSERT_NE(window, kNoWindow);
    EXPECT_EQ(processes.WindowTitle(window), "VANT [AO-16]");
    EXPECT_EQ(processes.WindowClassName(window), "TarvonTestMain");
    EXPECT_EQ(processes.FindTopLevelWindow("TarvonTestMain", "VANT [AO-16]"), window);
    EXPECT_NE(processes.FindTopLevelWindow("TarvonTestMain", ""), kNoWindow);
    EXPECT_EQ(processes.FindTopLevelWindow("TarvonTestMain", "VANT [UO-11]"), kNoWindow);
    EXPECT_EQ(processes.FindTopLevelWindow("NoSuchClass", ""), kNoWindow);

    EXPECT_TRUE(processes.PostToWindow(window, kListenOnly, 1, 0));
    EXPECT_TRUE(processes.PostToWindow(window, kLos, 0, 1234567));
    EXPECT_TRUE(processes.CloseWindow(window));
    EXPECT_EQ(WaitForExit(*process), std::optional<uint32_t>(0x40000000u + 1234567u));
    EXPECT_FALSE(processes.PostToWindow(window, kLos, 0, 1));
    EXPECT_EQ(processes.WindowTitle(window), "");
}

}  // namespace
}  // namespace tarvon
