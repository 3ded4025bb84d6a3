#include "platform/memory/FakeProcesses.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(FakeProcesses, ProgramPlaysThePartTheTestGivesIt) {
    FakeProcesses processes;
    WindowHandle window = processes.AddWindow("VANT:MAIN", "VANT [AO-16]");
    processes.OnStart([&](FakeProgram& program) {
        if (program.Start().commandLine.find("missing") != std::string::npos) return false;
        program.ShowWindowAfter(window, 2);
        return true;
    });
    EXPECT_EQ(processes.Start({"missing.exe", "", ShowState::Normal}), nullptr);
    auto process = processes.Start({"vant.exe AO-16", "C:\\KOVA", ShowState::MinimisedNoActivate});
    ASSERT_NE(process, nullptr);

    EXPECT_EQ(process->MainThreadWindow(), kNoWindow);
    EXPECT_EQ(process->MainThreadWindow(), kNoWindow);
    EXPECT_EQ(process->MainThreadWindow(), window);
    EXPECT_EQ(process->ExitCode(), std::nullopt);
    EXPECT_FALSE(process->Exited().IsSet());

    auto started = processes.Started();
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[1]->Start().directory, "C:\\KOVA");
    EXPECT_EQ(started[1]->Start().show, ShowState::MinimisedNoActivate);
    EXPECT_EQ(started[1]->Looks(), 3);
    started[1]->Exit(3);
    EXPECT_TRUE(process->Exited().IsSet());
    EXPECT_EQ(process->ExitCode(), std::optional<uint32_t>(3));
}

TEST(FakeProcesses, WindowsAreFoundByClassAndTitleAndOnlyLiveOnesTakeMessages) {
    FakeProcesses processes;
    WindowHandle brisko = processes.AddWindow("Brisko", "Brisko");
    WindowHandle vant = processes.AddWindow("VANT:MAIN", "VANT [UO-11]");
    EXPECT_EQ(processes.FindTopLevelWindow("VANT:MAIN", "VANT [UO-11]"), vant);
    EXPECT_EQ(processes.FindTopLevelWindow("VANT:MAIN", ""), vant);
    EXPECT_EQ(processes.FindTopLevelWindow("", "Brisko"), brisko);
    EXPECT_EQ(processes.FindTopLevelWindow("VANT:MAIN", "VANT [AO-16]"), kNoWindow);
    EXPECT_EQ(processes.WindowClassName(vant), "VANT:MAIN");
    EXPECT_EQ(processes.WindowTitle(vant), "VANT [UO-11]");

    EXPECT_TRUE(processes.PostToWindow(vant, 2042, 0, 1700000000));
    EXPECT_TRUE(processes.CloseWindow(vant));
    processes.RemoveWindow(vant);
    EXPECT_FALSE(processes.CloseWindow(vant));
    EXPECT_EQ(processes.WindowTitle(vant), "");
    auto posted = processes.Posted();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].message, 2042u);
    EXPECT_EQ(posted[0].lParam, 1700000000);
    EXPECT_EQ(posted[1].message, kCloseMessage);
}

}  // namespace
}  // namespace tarvon
