#include "platform/memory/MemoryRegistry.h"

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"

namespace tarvon {
namespace {

class MemoryRegistryContract : public testing::TestWithParam<contract::RegistryCase> {};

TEST_P(MemoryRegistryContract, BehavesLikeTheRealRegistry) {
    MemoryRegistry registry;
    GetParam().check(registry, "Software\\TarvonContract");
}

INSTANTIATE_TEST_SUITE_P(Registry, MemoryRegistryContract, testing::ValuesIn(contract::RegistryCases()),
                         [](const testing::TestParamInfo<contract::RegistryCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(MemoryRegistry, RootsAreSeparateTrees) {
    MemoryRegistry registry;
    auto machine = registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova");
    ASSERT_TRUE(RegWriteDword(*machine, "Where", 1));
    EXPECT_EQ(registry.Open(RegRoot::CurrentUser, "SOFTWARE\\Kova"), nullptr);
    EXPECT_EQ(registry.ListValues(RegRoot::LocalMachine, "software\\kova").size(), 1u);
}

TEST(MemoryRegistry, MalformedPathsOpenNothing) {
    MemoryRegistry registry;
    registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova");
    for (const char* path : {"\\SOFTWARE", "SOFTWARE\\\\Kova"}) {
        EXPECT_EQ(registry.Open(RegRoot::LocalMachine, path), nullptr) << path;
        EXPECT_EQ(registry.Create(RegRoot::LocalMachine, path), nullptr) << path;
    }
    EXPECT_EQ(registry.DeleteKey(RegRoot::LocalMachine, ""), RegStatus::Error);
}

}  // namespace
}  // namespace tarvon
