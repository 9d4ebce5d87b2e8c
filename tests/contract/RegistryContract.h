#pragma once
// The registry contract: the registry layer's behaviour, checked the same
// way against the in-memory registry and against the real one.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/AnsiCodec.h"
#include "platform/RegistryApi.h"
#include "registry/RegistryAccess.h"
#include "tests/support/RegistryVerbs.h"

namespace contract {

// What the three readers make of one value.
struct Readings {
    std::string value, text, textOrZero;
    bool operator==(const Readings&) const = default;
};

inline void PrintTo(const Readings& r, std::ostream* out) {
    *out << "{" << r.value.size() << ":'" << r.value.substr(0, 40) << "', " << r.text.size() << ":'"
         << r.text.substr(0, 40) << "', '" << r.textOrZero.substr(0, 40) << "'}";
}

struct RegistryUnderTest {
    std::string label;
    std::function<std::unique_ptr<platform::RegistryApi>()> make;
    std::function<std::unique_ptr<platform::AnsiCodec>()> codec;
};

// Everything happens below one scratch key, removed again after each test.
inline constexpr char kScratch[] = "Software\\QuarvelContractTest";
inline constexpr char kKey[] = "Software\\QuarvelContractTest\\Values";
inline constexpr char kChild[] = "Software\\QuarvelContractTest\\Values\\Child";
inline constexpr char kMissing[] = "Software\\QuarvelContractTest\\Missing";
inline constexpr Hive kHive = Hive::CurrentUser;

class RegistryContract : public ::testing::TestWithParam<RegistryUnderTest> {
  protected:
    void SetUp() override {
        api = GetParam().make();
        codec = GetParam().codec();
        registry = std::make_unique<RegistryAccess>(*api, *codec);
        RemoveScratch();
        ASSERT_EQ(registry->CreateKey(kHive, kKey), 0);
    }
    void TearDown() override { RemoveScratch(); }

    void RemoveScratch() {
        for (const char* key : {kChild, kMissing, kKey, kScratch}) registry->DeleteKey(kHive, key);
    }

    Readings Read(const std::string& name, const char* key = kKey) {
        return {registry->GetValue(kHive, key, name), registry->GetValueText(kHive, key, name),
                registry->GetValueTextOrZero(kHive, key, name)};
    }

    std::unique_ptr<platform::RegistryApi> api;
    std::unique_ptr<platform::AnsiCodec> codec;
    std::unique_ptr<RegistryAccess> registry;
};

}  // namespace contract
