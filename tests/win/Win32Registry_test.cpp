#include "win32/Win32Registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

void RemoveTree(const std::string& path) { RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path).c_str()); }

class Win32RegistryContract : public testing::TestWithParam<contract::RegistryCase> {};

TEST_P(Win32RegistryContract, BehavesLikeTheInMemoryRegistry) {
    const std::string base = std::string("Software\\TarvonContract\\") + GetParam().name;
    RemoveTree(base);
    Win32Registry registry;
    GetParam().check(registry, base);
    RemoveTree(base);
}

INSTANTIATE_TEST_SUITE_P(Registry, Win32RegistryContract, testing::ValuesIn(contract::RegistryCases()),
                         [](const testing::TestParamInfo<contract::RegistryCase>& info) {
                             return std::string(info.param.name);
                         });

// Other programs of the suite write text through the wide API (and read the
// station's so in the end-to-end scenarios): it reads as UTF-8, its limit
// counted in their characters with the terminator.
TEST(Win32Registry, WideTextOfOtherProgramsReadsAsUtf8) {
    const std::string base = "Software\\TarvonWide";
    RemoveTree(base);
    Win32Registry registry;
    auto key = registry.Create(RegRoot::CurrentUser, base);
    ASSERT_NE(key, nullptr);
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Widen(base).c_str(), 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
    const wchar_t label[] = L"Caf\u00e9";
    EXPECT_EQ(RegSetValueExW(raw, L"Label", 0, REG_SZ, reinterpret_cast<const BYTE*>(label), sizeof label),
              ERROR_SUCCESS);
    RegCloseKey(raw);
    std::string read;
    EXPECT_FALSE(RegReadString(*key, "Label", read, 4));
    EXPECT_TRUE(RegReadString(*key, "Label", read, 5));
    EXPECT_EQ(read, "Caf\xC3\xA9");
    key.reset();
    RemoveTree(base);
}

}  // namespace
}  // namespace tarvon
