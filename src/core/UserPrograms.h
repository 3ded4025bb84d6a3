#pragma once
// The user's own programs of the Programs menu, kept one to a subkey of
// SOFTWARE\Kova\Tarvon\Programs: their titles, how each is started, and the
// edits of the "Setup Programs" dialog.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Processes.h"
#include "platform/Registry.h"

namespace tarvon {

constexpr int kMaxUserPrograms = 100;
constexpr uint32_t kUserProgramTitleMax = 30;  // characters of a menu title
constexpr uint32_t kUserProgramPathMax = 260;

struct UserProgram {
    std::string name;       // menu title, and the key it is found by
    std::string fileName;   // command line
    std::string directory;  // working directory
    uint32_t toolbar = 0;   // "Display on toolbar", stored only
    uint32_t run = 2;       // 0 minimised without activation, 1 maximised, else shown
};

// A menu item of the Programs menu: the subkey's enumeration index (its
// command is 500 + index) and its title. Subkeys without a title are left out.
struct UserProgramItem {
    int index = 0;
    std::string name;
    bool operator==(const UserProgramItem&) const = default;
};
std::vector<UserProgramItem> UserProgramItems(Registry& registry);

// The path of the program's subkey whose title is exactly `name`.
std::optional<std::string> FindProgramKey(Registry& registry, const std::string& name);

std::optional<UserProgram> ReadUserProgram(Registry& registry, const std::string& name);

// How the program is started: its command line in its directory, its window
// as `Run` asks.
ProcessStart UserProgramStart(const UserProgram& program);

// Saves the program under the subkey of its title, or a new "Program %d"
// numbered by the `Programs` counter. False for an empty title.
bool SaveUserProgram(Registry& registry, const UserProgram& program);

// Deletes the subkey of this title; the counter stays.
bool DeleteUserProgram(Registry& registry, const std::string& name);

}  // namespace tarvon
