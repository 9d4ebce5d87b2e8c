// The real-window tests open the main menu themselves and expect it alone,
// as an administrator who chose normal mode sees it. The tests of wizard
// mode remove the setting for their own run and put it back.
#include <gtest/gtest.h>

#include "platform/win32/Win32Codec.h"
#include "platform/win32/Win32Registry.h"
#include "registry/RegistryAccess.h"
#include "core/Settings.h"

namespace {

class NormalStartUpMode : public ::testing::Environment {
  public:
    void SetUp() override {
        platform::win32::SystemAnsiCodec codec;
        platform::win32::Win32Registry api;
        RegistryAccess registry(api, codec);
        registry.CreateKey(Hive::CurrentUser, core::kCurrentVersion);
        registry.SetValue(Hive::CurrentUser, core::kCurrentVersion, core::kStartUpMode, "0",
                          ValueType::String);
    }
};

const auto* const kNormalStartUpMode = ::testing::AddGlobalTestEnvironment(new NormalStartUpMode);

}  // namespace
