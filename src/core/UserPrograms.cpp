#include "core/UserPrograms.h"

#include <functional>

namespace tarvon {
namespace {

constexpr const char* kTarvonKey = "SOFTWARE\\Kova\\Tarvon";
constexpr const char* kProgramsKey = "SOFTWARE\\Kova\\Tarvon\\Programs";

std::string ProgramPath(const std::string& subkey) { return std::string(kProgramsKey) + "\\" + subkey; }

// Visits the program subkeys in enumeration order, the first 100 at most,
// with their titles; stops when `visit` returns true.
void ForEachProgram(Registry& registry,
                    const std::function<bool(int index, const std::string& subkey, const std::string& name)>& visit) {
    auto parent = registry.Open(RegRoot::LocalMachine, kProgramsKey);
    if (!parent) return;
    std::string subkey;
    for (int index = 0; index < kMaxUserPrograms; ++index) {
        if (parent->EnumSubkey(static_cast<uint32_t>(index), subkey) != RegStatus::Ok) return;
        auto key = registry.Open(RegRoot::LocalMachine, ProgramPath(subkey));
        std::string name;
        if (!key || !RegReadString(*key, "Name", name, kUserProgramTitleMax + 1)) continue;
        if (visit(index, subkey, name)) return;
    }
}

}  // namespace

std::vector<UserProgramItem> UserProgramItems(Registry& registry) {
    std::vector<UserProgramItem> items;
    ForEachProgram(registry, [&](int index, const std::string&, const std::string& name) {
        if (!name.empty()) items.push_back({index, name});
        return false;
    });
    return items;
}

std::optional<std::string> FindProgramKey(Registry& registry, const std::string& name) {
    std::optional<std::string> found;
    ForEachProgram(registry, [&](int, const std::string& subkey, const std::string& title) {
        if (title != name) return false;
        found = ProgramPath(subkey);
        return true;
    });
    return found;
}

std::optional<UserProgram> ReadUserProgram(Registry& registry, const std::string& name) {
    const auto path = FindProgramKey(registry, name);
    if (!path) return std::nullopt;
    auto key = registry.Open(RegRoot::LocalMachine, *path);
    if (!key) return std::nullopt;
    UserProgram program;
    program.name = name;
    RegReadString(*key, "FileName", program.fileName, kUserProgramPathMax + 1);
    RegReadString(*key, "Directory", program.directory, kUserProgramPathMax + 1);
    RegReadDword(*key, "Toolbar", program.toolbar);
    RegReadDword(*key, "Run", program.run);
    return program;
}

ProcessStart UserProgramStart(const UserProgram& program) {
    return {program.fileName, program.directory, ShowStateForRun(program.run)};
}

bool SaveUserProgram(Registry& registry, const UserProgram& program) {
    if (program.name.empty()) return false;
    std::optional<std::string> path = FindProgramKey(registry, program.name);
    if (!path) {
        auto tarvon = registry.Create(RegRoot::LocalMachine, kTarvonKey);
        if (!tarvon) return false;
        uint32_t counter = 0;
        RegReadDword(*tarvon, "Programs", counter);
        // A number already taken (the counter set back by hand) would
        // overwrite another program: the next free one is used.
        do {
            ++counter;
            path = ProgramPath("Program " + std::to_string(counter));
        } while (registry.Open(RegRoot::LocalMachine, *path));
        RegWriteDword(*tarvon, "Programs", counter);
    }
    auto key = registry.Create(RegRoot::LocalMachine, *path);
    if (!key) return false;
    return RegWriteString(*key, "Name", program.name.substr(0, kUserProgramTitleMax)) &&
           RegWriteString(*key, "Directory", program.directory) &&
           RegWriteString(*key, "FileName", program.fileName) && RegWriteDword(*key, "Toolbar", program.toolbar);
}

bool DeleteUserProgram(Registry& registry, const std::string& name) {
    const auto path = FindProgramKey(registry, name);
    return path && registry.DeleteKey(RegRoot::LocalMachine, *path) == RegStatus::Ok;
}

}  // namespace tarvon
