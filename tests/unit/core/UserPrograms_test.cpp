#include "core/UserPrograms.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/memory/MemoryRegistry.h"

namespace tarvon {
namespace {

const std::string kPrograms = "SOFTWARE\\Kova\\Tarvon\\Programs";

uint32_t Counter(MemoryRegistry& registry) {
    uint32_t counter = 0;
    if (auto key = registry.Open(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Tarvon")) RegReadDword(*key, "Programs", counter);
    return counter;
}

UserProgram Program(const std::string& name, const std::string& file) { return {name, file, "C:\\Work", 1, 2}; }

TEST(UserPrograms, SavedTitlesBecomeMenuItemsAndReplaceTheirNamesakes) {
    MemoryRegistry registry;
    ASSERT_TRUE(SaveUserProgram(registry, Program("Logbook", "LOG.EXE")));
    ASSERT_TRUE(SaveUserProgram(registry, Program("Clock", "CLOCK.EXE /utc")));
    ASSERT_TRUE(SaveUserProgram(registry, Program("Logbook", "LOG2.EXE")));  // same title: replaced
    EXPECT_FALSE(SaveUserProgram(registry, Program("", "NONE.EXE")));
    EXPECT_EQ(UserProgramItems(registry), (std::vector<UserProgramItem>{{0, "Logbook"}, {1, "Clock"}}));
    EXPECT_EQ(Counter(registry), 2u);
    EXPECT_EQ(FindProgramKey(registry, "Clock"), kPrograms + "\\Program 2");
    EXPECT_FALSE(FindProgramKey(registry, "clock"));  // titles are matched exactly
    const auto logbook = ReadUserProgram(registry, "Logbook");
    ASSERT_TRUE(logbook);
    // The run value is not stored: shown normally.
    EXPECT_EQ(std::tie(logbook->fileName, logbook->directory, logbook->run), std::tuple("LOG2.EXE", "C:\\Work", 2u));
}

TEST(UserPrograms, DeletingKeepsTheCounterAndTakenNumbersAreSkipped) {
    MemoryRegistry registry;
    SaveUserProgram(registry, Program("One", "1.EXE"));
    SaveUserProgram(registry, Program("Two", "2.EXE"));
    ASSERT_TRUE(DeleteUserProgram(registry, "Two"));
    EXPECT_FALSE(DeleteUserProgram(registry, "Two"));
    SaveUserProgram(registry, Program("Three", "3.EXE"));
    EXPECT_EQ(FindProgramKey(registry, "Three"), kPrograms + "\\Program 3");
    // The counter set back by hand must not overwrite "Program 3".
    RegWriteDword(*registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Tarvon"), "Programs", 2);
    SaveUserProgram(registry, Program("Four", "4.EXE"));
    EXPECT_EQ(FindProgramKey(registry, "Three"), kPrograms + "\\Program 3");
    EXPECT_EQ(FindProgramKey(registry, "Four"), kPrograms + "\\Program 4");
    EXPECT_EQ(Counter(registry), 4u);
}

TEST(UserPrograms, AtMostAHundredAppear) {
    MemoryRegistry registry;
    for (int i = 0; i < 105; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "P%03d", i);
        RegWriteString(*registry.Create(RegRoot::LocalMachine, kPrograms + "\\K" + name), "Name", name);
    }
    RegWriteString(*registry.Create(RegRoot::LocalMachine, kPrograms + "\\K000"), "FileName", "untitled");
    const auto items = UserProgramItems(registry);
    ASSERT_EQ(items.size(), 99u);  // 100 keys looked at, the untitled one left out
    EXPECT_EQ(items.front(), (UserProgramItem{1, "P000"}));
    EXPECT_EQ(items.back(), (UserProgramItem{99, "P098"}));
    EXPECT_FALSE(FindProgramKey(registry, "P100"));
}

TEST(UserPrograms, RunValueChoosesTheWindowState) {
    const struct {
        uint32_t run;
        ShowState show;
    } cases[] = {{0, ShowState::MinimisedNoActivate}, {1, ShowState::Maximised}, {2, ShowState::Normal},
                 {7, ShowState::Normal}};
    for (const auto& c : cases) {
        UserProgram p = Program("X", "X.EXE arg");
        p.run = c.run;
        const ProcessStart start = UserProgramStart(p);
        EXPECT_EQ(std::tie(start.show, start.commandLine, start.directory), std::tuple(c.show, "X.EXE arg", "C:\\Work"))
            << c.run;
    }
}

}  // namespace
}  // namespace tarvon
