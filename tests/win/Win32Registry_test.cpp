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

}  // namespace
}  // namespace tarvon
