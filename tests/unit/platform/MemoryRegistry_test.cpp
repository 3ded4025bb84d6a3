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

}  // namespace
}  // namespace tarvon
