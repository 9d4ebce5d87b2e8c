// The registry contract against the real registry of Windows (Wine).
#include "platform/win32/Win32Codec.h"
#include "platform/win32/Win32Registry.h"
#include "tests/contract/RegistryContract.h"

namespace contract {

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContract,
                         ::testing::Values(RegistryUnderTest{
                             "win32",
                             [] { return std::make_unique<platform::win32::Win32Registry>(); },
                             [] { return std::make_unique<platform::win32::SystemAnsiCodec>(); }}),
                         [](const auto&) { return std::string("win32"); });

}  // namespace contract
