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

// Other programs of the suite read and write the same values through the
// wide API: strings must be ordinary terminated UTF-16 there.
TEST(Win32Registry, TextIsStoredAsTerminatedUtf16ForOtherPrograms) {
    const std::string base = "Software\\TarvonWide";
    RemoveTree(base);
    Win32Registry registry;
    auto key = registry.Create(RegRoot::CurrentUser, base);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(RegWriteString(*key, "Callsign", "G0ABC"));

    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TarvonWide", 0, KEY_ALL_ACCESS, &raw), ERROR_SUCCESS);
    wchar_t text[32] = {};
    DWORD type = 0, bytes = sizeof text;
    ASSERT_EQ(RegQueryValueExW(raw, L"Callsign", nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, 12u);
    EXPECT_STREQ(text, L"G0ABC");

    const wchar_t label[] = L"Caf\u00e9";
    ASSERT_EQ(RegSetValueExW(raw, L"Label", 0, REG_SZ, reinterpret_cast<const BYTE*>(label), sizeof label),
              ERROR_SUCCESS);
    RegCloseKey(raw);
    // Five characters with the terminator, as the other program counts them.
    std::string read;
    EXPECT_FALSE(RegReadString(*key, "Label", read, 4));
    EXPECT_TRUE(RegReadString(*key, "Label", read, 5));
    EXPECT_EQ(read, "Caf\xC3\xA9");
    key.reset();
    RemoveTree(base);
}

}  // namespace
}  // namespace tarvon
