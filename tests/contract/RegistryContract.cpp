#include "tests/contract/RegistryContract.h"

#include <vector>

namespace contract {
namespace {

TEST_P(RegistryContract, StringsReadBackThroughEveryReader) {
    ASSERT_EQ(registry->SetValue(kHive, kKey, "s", "abc", ValueType::String), 0);
    EXPECT_EQ(Read("s"), (Readings{"abc", "abc", "abc"}));
    ASSERT_EQ(registry->SetValue(kHive, kKey, "empty", "", ValueType::String), 0);
    EXPECT_EQ(Read("empty"), (Readings{"", "", ""}));
    ASSERT_EQ(registry->SetValue(kHive, kKey, "accents", "Restrições ação", ValueType::String), 0);
    EXPECT_EQ(Read("accents"), (Readings{"Restrições ação", "Restrições ação", "Restrições ação"}));
    ASSERT_EQ(registry->SetValue(kHive, kKey, "", "default", ValueType::String), 0);
    EXPECT_EQ(registry->GetValue(kHive, kKey, ""), "default");
}

TEST_P(RegistryContract, DwordsReadAsSignedDecimalText) {
    for (auto [data, text] : std::vector<std::pair<std::uint32_t, std::string>>{
             {0, "0"}, {1, "1"}, {256, "256"}, {0xFFFFFFFFu, "-1"}, {0x80000000u, "-2147483648"}}) {
        PutDword("d", data);
        EXPECT_EQ(Read("d"), (Readings{text, text, text})) << data;
    }
}

TEST_P(RegistryContract, ExpandStringsAreRawForTheFixedReadersOnly) {
    const char text[] = "%SystemRoot%\\x";
    PutRaw("e", 2, text, sizeof text);
    EXPECT_EQ(Read("e"), (Readings{"", "%SystemRoot%\\x", "%SystemRoot%\\x"}));
}

TEST_P(RegistryContract, LongStringsFitOnlyTheSizedRead) {
    std::string longText(2000, 'x');
    ASSERT_EQ(registry->SetValue(kHive, kKey, "long", longText, ValueType::String), 0);
    EXPECT_EQ(Read("long"), (Readings{longText, "", "0"}));
    std::string huge(100000, 'y');
    ASSERT_EQ(registry->SetValue(kHive, kKey, "huge", huge, ValueType::String), 0);
    EXPECT_EQ(Read("huge"), (Readings{huge, "", "0"}));
    // 1023 characters and the zero fill the fixed buffer exactly.
    std::string fits(1023, 'z');
    ASSERT_EQ(registry->SetValue(kHive, kKey, "fits", fits, ValueType::String), 0);
    EXPECT_EQ(Read("fits"), (Readings{fits, fits, fits}));
}

TEST_P(RegistryContract, OtherTypesReadAsEmptyText) {
    const std::uint8_t binary[] = {1, 2, 3, 0, 'a'};
    PutRaw("bin", 3, binary, sizeof binary);
    EXPECT_EQ(Read("bin"), (Readings{"", "", ""}));
    const char multi[] = "one\0two\0";
    PutRaw("multi", 7, multi, sizeof multi);
    EXPECT_EQ(Read("multi"), (Readings{"", "", ""}));
}

TEST_P(RegistryContract, MalformedDataNeverCrashes) {
    PutRaw("noZero", 1, "abc", 3);
    EXPECT_EQ(Read("noZero"), (Readings{"abc", "abc", "abc"}));
    PutRaw("emptyData", 1, nullptr, 0);
    EXPECT_EQ(Read("emptyData"), (Readings{"", "", ""}));
    const std::uint8_t shortDword[] = {7, 0};
    PutRaw("shortDword", 4, shortDword, sizeof shortDword);
    EXPECT_EQ(registry->GetValue(kHive, kKey, "shortDword"), "");
    const char inner[] = "ab\0cd";
    PutRaw("innerZero", 1, inner, sizeof inner);
    EXPECT_EQ(registry->GetValueText(kHive, kKey, "innerZero"), "ab");
}

TEST_P(RegistryContract, MissingValuesAndKeys) {
    EXPECT_EQ(Read("absent"), (Readings{"", "", "0"}));
    EXPECT_EQ(Read("absent", kMissing), (Readings{"", "", "0"}));
    EXPECT_NE(registry->DeleteValue(kHive, kKey, "absent"), 0);
    EXPECT_NE(registry->DeleteValue(kHive, kMissing, "absent"), 0);
}

TEST_P(RegistryContract, ExistenceTellsAnEmptyValueFromADeletedOne) {
    ASSERT_EQ(registry->SetValue(kHive, kKey, "empty", "", ValueType::String), 0);
    EXPECT_TRUE(registry->ValueExists(kHive, kKey, "empty"));
    EXPECT_TRUE(registry->KeyExists(kHive, kKey));
    ASSERT_EQ(registry->DeleteValue(kHive, kKey, "empty"), 0);
    EXPECT_FALSE(registry->ValueExists(kHive, kKey, "empty"));
    EXPECT_FALSE(registry->KeyExists(kHive, kMissing));
    EXPECT_FALSE(registry->ValueExists(kHive, kMissing, "empty"));
}

TEST_P(RegistryContract, SetValueNeverCreatesAKey) {
    EXPECT_NE(registry->SetValue(kHive, kMissing, "v", "1", ValueType::Dword), 0);
    EXPECT_NE(registry->SetValue(kHive, kMissing, "v", "x", ValueType::String), 0);
    EXPECT_EQ(Read("v", kMissing), (Readings{"", "", "0"}));
    ASSERT_EQ(registry->CreateKey(kHive, kMissing), 0);
    EXPECT_EQ(registry->SetValue(kHive, kMissing, "v", "1", ValueType::Dword), 0);
    EXPECT_EQ(registry->GetValue(kHive, kMissing, "v"), "1");
}

TEST_P(RegistryContract, CreateKeyKeepsWhatAnExistingKeyHolds) {
    registry->SetValue(kHive, kKey, "kept", "yes", ValueType::String);
    EXPECT_EQ(registry->CreateKey(kHive, kKey), 0);
    EXPECT_EQ(registry->GetValue(kHive, kKey, "kept"), "yes");
}

TEST_P(RegistryContract, DwordsAreWrittenOnlyFromSigned32BitTexts) {
    for (const char* bad : {"abc", "", "1.5", "4294967296", "2147483648", "1e3", "0x10", "- 1"}) {
        PutDword("d", 77);
        EXPECT_NE(registry->SetValue(kHive, kKey, "d", bad, ValueType::Dword), 0) << bad;
        EXPECT_EQ(registry->GetValue(kHive, kKey, "d"), "77") << bad;
    }
    for (auto [text, read] :
         std::vector<std::pair<std::string, std::string>>{{"-1", "-1"},
                                                          {"2147483647", "2147483647"},
                                                          {"-2147483648", "-2147483648"},
                                                          {" 12 ", "12"},
                                                          {"+5", "5"},
                                                          {"007", "7"}}) {
        EXPECT_EQ(registry->SetValue(kHive, kKey, "d", text, ValueType::Dword), 0) << text;
        EXPECT_EQ(registry->GetValue(kHive, kKey, "d"), read) << text;
    }
    EXPECT_EQ(registry->SetValue(kHive, kKey, "n", 256), 0);
    EXPECT_EQ(registry->GetValueText(kHive, kKey, "n"), "256");
}

TEST_P(RegistryContract, UnsupportedWriteTypesWriteNothingAndSucceed) {
    EXPECT_EQ(registry->SetValue(kHive, kKey, "b", "abc", ValueType::Binary), 0);
    EXPECT_EQ(Read("b"), (Readings{"", "", "0"}));
}

TEST_P(RegistryContract, ValueNamesAndPathsIgnoreLetterCase) {
    registry->SetValue(kHive, kKey, "MixedCase", "v", ValueType::String);
    EXPECT_EQ(registry->GetValue(kHive, "SOFTWARE\\quarvelcontracttest\\VALUES", "mixedcase"), "v");
    EXPECT_EQ(registry->DeleteValue(kHive, kKey, "MIXEDCASE"), 0);
    EXPECT_EQ(registry->GetValue(kHive, kKey, "MixedCase"), "");
}

TEST_P(RegistryContract, DeleteKeyRemovesOneKeyWithoutSubkeys) {
    ASSERT_EQ(registry->CreateKey(kHive, kChild), 0);
    EXPECT_NE(registry->DeleteKey(kHive, kKey), 0);
    EXPECT_EQ(registry->CreateKey(kHive, kChild), 0);
    EXPECT_EQ(registry->DeleteKey(kHive, kChild), 0);
    EXPECT_NE(registry->DeleteKey(kHive, kChild), 0);
    EXPECT_EQ(registry->DeleteKey(kHive, kKey), 0);
    EXPECT_EQ(Read("anything"), (Readings{"", "", "0"}));
}

TEST_P(RegistryContract, OverwritingChangesTheType) {
    registry->SetValue(kHive, kKey, "p", "1", ValueType::String);
    EXPECT_EQ(registry->GetValueText(kHive, kKey, "p"), "1");
    registry->SetValue(kHive, kKey, "p", "0", ValueType::Dword);
    std::uint32_t type = 0;
    platform::KeyHandle key = 0;
    ASSERT_EQ(api->OpenKey(static_cast<platform::KeyHandle>(kHive), kKey, 0x3F, key), 0);
    EXPECT_EQ(api->QueryValue(key, "p", &type, nullptr, nullptr), 0);
    api->CloseKey(key);
    EXPECT_EQ(type, 4u);
}

TEST_P(RegistryContract, SeamAnswersAShortBufferWithMoreData) {
    registry->SetValue(kHive, kKey, "s", "abcdef", ValueType::String);
    platform::KeyHandle key = 0;
    ASSERT_EQ(api->OpenKey(static_cast<platform::KeyHandle>(kHive), kKey, 0x3F, key), 0);
    std::uint8_t buffer[3] = {};
    std::uint32_t size = sizeof buffer;
    std::uint32_t type = 0;
    EXPECT_EQ(api->QueryValue(key, "s", &type, buffer, &size), platform::status::MoreData);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(api->QueryValue(key, "none", &type, nullptr, &size), platform::status::FileNotFound);
    api->CloseKey(key);
}

}  // namespace
}  // namespace contract
