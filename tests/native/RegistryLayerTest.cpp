// What only the in-memory registry can show: the rights each operation asks
// for, and that no operation leaves a key open.
#include <gtest/gtest.h>

#include "platform/MemoryRegistry.h"
#include "registry/RegistryAccess.h"

namespace {

class RecordingRegistry : public platform::MemoryRegistry {
  public:
    long OpenKey(platform::KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                 platform::KeyHandle& result) override {
        rightsAsked.push_back(rights);
        return MemoryRegistry::OpenKey(parent, subKey, rights, result);
    }
    long CreateKey(platform::KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                   platform::KeyHandle& result) override {
        rightsAsked.push_back(rights);
        return MemoryRegistry::CreateKey(parent, subKey, rights, result);
    }
    std::vector<std::uint32_t> rightsAsked;
};

constexpr char kKey[] = "Software\\Test";

TEST(RegistryLayer, AsksForTheRightsOfEachOperationAndClosesEveryKey) {
    RecordingRegistry api;
    platform::Cp1252Codec codec;
    RegistryAccess registry(api, codec);
    registry.CreateKey(Hive::CurrentUser, kKey);
    registry.SetValue(Hive::CurrentUser, kKey, "v", "1", ValueType::Dword);
    registry.GetValue(Hive::CurrentUser, kKey, "v");
    registry.DeleteValue(Hive::CurrentUser, kKey, "none");
    EXPECT_EQ(api.rightsAsked, (std::vector<std::uint32_t>{0x3F, 0x3F, 0x3F, 0x3F}));
    api.rightsAsked.clear();
    registry.GetValueText(Hive::CurrentUser, kKey, "v");
    registry.GetValueTextOrZero(Hive::CurrentUser, "Software\\Missing", "v");
    EXPECT_EQ(api.rightsAsked, (std::vector<std::uint32_t>{0x2003F, 0x2003F}));
    EXPECT_EQ(api.OpenHandles(), 0u);
}

}  // namespace
