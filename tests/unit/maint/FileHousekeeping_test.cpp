#include "maint/FileHousekeeping.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>

#include "platform/Registry.h"
#include "platform/memory/MemoryRegistry.h"
#include "ScratchDir.h"

namespace tarvon {
namespace {

namespace fs = std::filesystem;
constexpr int32_t kNow = 1700000000;
constexpr int32_t kDay = 86400;

class FileHousekeepingTest : public ::testing::Test {
protected:
    std::string Dir(const std::string& name) {
        fs::create_directories(root_ / name);
        return (root_ / name).string();
    }
    // A file last written `ageSeconds` before kNow.
    void MakeFile(const std::string& dir, const std::string& name, int64_t ageSeconds) {
        fs::path path = fs::path(dir) / name;
        std::ofstream(path) << "x";
        auto written = std::chrono::sys_seconds(std::chrono::seconds(kNow - ageSeconds));
        fs::last_write_time(path, std::chrono::file_clock::from_sys(written));
    }
    void AddSatellite(const std::string& key, const std::string& name,
                      std::initializer_list<std::pair<const char*, std::string>> dirs) {
        auto k = registry_.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\" + key);
        RegWriteString(*k, "Name", name);
        for (auto& [value, dir] : dirs) RegWriteString(*k, value, dir);
    }
    void SetRule(const char* name, uint32_t value) {
        auto k = registry_.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Tarvon");
        RegWriteDword(*k, name, value);
    }
    std::set<std::string> Remaining(const std::string& dir) {
        std::set<std::string> names;
        for (auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
        return names;
    }

    testing::ScratchDir root_;
    MemoryRegistry registry_;
};

TEST_F(FileHousekeepingTest, DeletesEachClassByItsAgeAndFlag) {
    std::string dlx = Dir("dlx"), msg = Dir("msg"), mine = Dir("mine"), sat = Dir("sat");
    AddSatellite("S1", "SAT-1",
                 {{"DLX Directory", dlx}, {"Message Directory", msg},
                  {"My Message Directory", mine}, {"Satellite Directory", sat}});
    SetRule("FH Oldest Files", 5);
    SetRule("FH Oldest Messages", 2);
    for (const char* flag : {"FH Delete DLX", "FH Delete MSG", "FH Delete ACT", "FH Delete UL"}) {
        SetRule(flag, 1);
    }
    // Files of every class and age, by days; FH Delete MYMSG and the PFH action are off.
    for (const auto& [dir, name, days] : std::initializer_list<std::tuple<std::string, const char*, int>>{
             {dlx, "OLD.DLX", 6}, {dlx, "new.dlx", 4}, {dlx, "OLD.TXT", 60}, {msg, "A.DLM", 3}, {msg, "B.PFH", 3},
             {msg, "C.DLM", 1}, {mine, "D.DLM", 3}, {sat, "E.ACT", 6}, {sat, "F.HOL", 6}, {sat, "G.UL", 6},
             {sat, "H.UL", 4}, {sat, "VANT0001.PFH", 60}}) {
        MakeFile(dir, name, days * kDay);
    }

    EXPECT_EQ(RunFileHousekeeping(registry_, kNow, std::nullopt), 6u);
    EXPECT_EQ(Remaining(dlx), (std::set<std::string>{"new.dlx", "OLD.TXT"}));
    EXPECT_EQ(Remaining(msg), (std::set<std::string>{"C.DLM"}));
    EXPECT_EQ(Remaining(mine), (std::set<std::string>{"D.DLM"}));
    EXPECT_EQ(Remaining(sat), (std::set<std::string>{"H.UL", "VANT0001.PFH"}));
    // Age 0: everything written before now, nothing written this second.
    SetRule("FH Oldest Files", 0);
    MakeFile(sat, "B.UL", 0);
    EXPECT_EQ(RunFileHousekeeping(registry_, kNow, std::nullopt), 2u);
    EXPECT_EQ(Remaining(sat), (std::set<std::string>{"B.UL", "VANT0001.PFH"}));
    EXPECT_EQ(Remaining(dlx), (std::set<std::string>{"OLD.TXT"}));
}

TEST_F(FileHousekeepingTest, NumberedHeaderFilesKeepTheNewest) {
    auto files = [](int first, int last, std::vector<int> more = {}) {
        std::set<std::string> names;
        for (int n = first; n <= last; ++n) more.push_back(n);
        for (int n : more) {
            char name[24];
            std::snprintf(name, sizeof name, "VANT%04d.PFH", n);
            names.insert(name);
        }
        return names;
    };
    const struct {
        std::set<std::string> there;
        uint32_t keep, attempts;
        std::set<std::string> remaining;
    } cases[] = {
        {files(1, 25), 10, 15, files(16, 25)},   {files(3, 4, {20}), 2, 16, files(20, 20)},
        {files(5, 6), 10, 0, files(5, 6)},       {files(7, 7), 0, 1, {}},
        {files(1, 3), 0xFFFFFFFFu, 0, files(1, 3)},
        // Odd names neither count nor go; a stray huge number costs counted
        // attempts, not a walk over every name.
        {{"VANT0010.PFH", "VANT0011.PFH", "VANTX.PFH", "OTHER12.PFH", "VANT9x.PFH"}, 1, 1,
         {"VANT0011.PFH", "VANTX.PFH", "OTHER12.PFH", "VANT9x.PFH"}},
        {files(11, 12, {999999999}), 2, 999999999u - 1 - 11, {"VANT999999999.PFH"}},
    };
    for (const auto& c : cases) {
        const std::string sat = Dir("sat" + std::to_string(&c - cases));
        registry_.DeleteKey(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\S1");
        AddSatellite("S1", "SAT-1", {{"Satellite Directory", sat}});
        SetRule("FH PFH Action", 1);
        SetRule("FH Keep PFH Files", c.keep);
        for (const std::string& name : c.there) MakeFile(sat, name, 0);
        EXPECT_EQ(RunFileHousekeeping(registry_, kNow, std::nullopt), c.attempts) << sat;
        EXPECT_EQ(Remaining(sat), c.remaining) << sat;
    }
}

TEST_F(FileHousekeepingTest, SingleSatelliteMatchesExactlyAndStopsAtTheFirst) {
    std::string a = Dir("a"), b = Dir("b"), c = Dir("c");
    AddSatellite("K1", "SAT-A", {{"Satellite Directory", a}});
    AddSatellite("K2", "SAT-B", {{"Satellite Directory", b}});
    AddSatellite("K3", "SAT-B", {{"Satellite Directory", c}});
    SetRule("FH Delete UL", 1);
    for (const std::string& dir : {a, b, c}) MakeFile(dir, "X.UL", 20 * kDay);

    for (const char* other : {"sat-b", "NOPE"}) EXPECT_EQ(RunFileHousekeeping(registry_, kNow, std::string_view(other)), 0u);
    EXPECT_EQ(RunFileHousekeeping(registry_, kNow, std::string_view("SAT-B")), 1u);
    EXPECT_EQ(std::tuple(Remaining(a).size(), Remaining(b).size(), Remaining(c).size()), std::tuple(1u, 0u, 1u));
    EXPECT_EQ(RunFileHousekeeping(registry_, kNow, std::nullopt), 2u);
}

TEST_F(FileHousekeepingTest, MissingDirectoriesAndManyFiles) {
    std::string big = Dir("big");
    AddSatellite("K1", "GONE", {{"Satellite Directory", (root_ / "nowhere").string()},
                                {"DLX Directory", (root_ / "nowhere" / "deeper").string()}});
    AddSatellite("K2", "BIG", {{"Satellite Directory", big}});
    AddSatellite("K3", "NODIRS", {});
    SetRule("FH Delete UL", 1);
    SetRule("FH Delete DLX", 1);
    for (int i = 0; i < 3000; ++i) MakeFile(big, "F" + std::to_string(i) + ".UL", 30 * kDay);
    EXPECT_EQ(RunFileHousekeeping(registry_, kNow, std::nullopt), 3000u);
    EXPECT_TRUE(Remaining(big).empty());
    MemoryRegistry empty;
    EXPECT_EQ(RunFileHousekeeping(empty, kNow, std::nullopt), 0u);
}

}  // namespace
}  // namespace tarvon
