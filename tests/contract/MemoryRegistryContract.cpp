#include "platform/MemoryRegistry.h"
#include "tests/contract/RegistryContract.h"

namespace contract {

INSTANTIATE_TEST_SUITE_P(InMemory, RegistryContract,
                         ::testing::Values(RegistryUnderTest{
                             "memory", [] { return std::make_unique<platform::MemoryRegistry>(); },
                             [] { return std::make_unique<platform::Cp1252Codec>(); }}),
                         [](const auto&) { return std::string("memory"); });

}  // namespace contract
