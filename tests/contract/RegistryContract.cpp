#include "tests/contract/RegistryContract.h"

#include <vector>

namespace contract {
namespace {

using namespace std::string_literals;

std::string Dword(std::uint32_t value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

// What the three readers make of data as another tool may have left it.
TEST_P(RegistryContract, EveryReaderReadsEveryKindOfData) {
    const std::string longText(2000, 'x'), huge(100000, 'y'), fits(1023, 'z');
    const struct {
        std::uint32_t type;
        std::string data;
        Readings expected;
    } rows[] = {
        {1, "abc\0"s, {"abc", "abc", "abc"}},
        {1, "\0"s, {"", "", ""}},
        {1, "abc", {"abc", "abc", "abc"}},  // no terminating zero: nothing is lost
        {1, "", {"", "", ""}},
        {4, Dword(0), {"0", "0", "0"}},
        {4, Dword(256), {"256", "256", "256"}},
        {4, Dword(0xFFFFFFFFu), {"-1", "-1", "-1"}},
        {4, Dword(0x80000000u), {"-2147483648", "-2147483648", "-2147483648"}},
        {2, "%SystemRoot%\\x\0"s, {"", "%SystemRoot%\\x", "%SystemRoot%\\x"}},
        {3, "\1\2\3\0a"s, {"", "", ""}},
        {7, "one\0two\0\0"s, {"", "", ""}},
        // Longer than the fixed buffer of 1024 bytes: only the sized read gets
        // it; 1023 characters and the zero fill the buffer exactly.
        {1, longText + '\0', {longText, "", "0"}},
        {1, huge + '\0', {huge, "", "0"}},
        {1, fits + '\0', {fits, fits, fits}},
        {1, fits + "z" + '\0', {fits + "z", "", "0"}},
    };
    for (const auto& row : rows) {
        testing_support::PutBytes(*api, kHive, kKey, "v", row.type, row.data);
        EXPECT_EQ(Read("v"), row.expected) << row.type << " of " << row.data.size() << " bytes";
    }
    testing_support::PutBytes(*api, kHive, kKey, "v", 4, "\7\0"s);  // a DWORD too short
    EXPECT_EQ(registry->GetValue(kHive, kKey, "v"), "");
    testing_support::PutBytes(*api, kHive, kKey, "v", 1, "ab\0cd\0"s);
    EXPECT_EQ(registry->GetValueText(kHive, kKey, "v"), "ab");
    EXPECT_EQ(Read("absent"), (Readings{"", "", "0"}));
    EXPECT_EQ(Read("absent", kMissing), (Readings{"", "", "0"}));
}

TEST_P(RegistryContract, TextsAreWrittenInTheCodePageAndReplaceAValueOfAnyType) {
    ASSERT_EQ(registry->SetValue(kHive, kKey, "accents", "Restrições ação", ValueType::String), 0);
    EXPECT_EQ(Read("accents"), (Readings{"Restrições ação", "Restrições ação", "Restrições ação"}));
    // The bytes Windows and other programs read: the code page's, with the terminating zero.
    EXPECT_EQ(registry->Snapshot(kHive, kKey, "accents"),
              (StoredValue{1, {'R', 'e', 's', 't', 'r', 'i', 0xe7, 0xf5, 'e', 's', ' ', 'a', 0xe7,
                               0xe3, 'o', 0}}));
    ASSERT_EQ(registry->SetValue(kHive, kKey, "n", -2), 0);
    EXPECT_EQ(registry->Snapshot(kHive, kKey, "n"), (StoredValue{4, {0xfe, 0xff, 0xff, 0xff}}));
    ASSERT_EQ(registry->SetValue(kHive, kKey, "", "default", ValueType::String), 0);
    EXPECT_EQ(registry->GetValue(kHive, kKey, ""), "default");
    EXPECT_EQ(registry->CreateKey(kHive, kKey), 0);
    EXPECT_EQ(registry->GetValue(kHive, kKey, ""), "default") << "an existing key keeps its values";
    registry->SetValue(kHive, kKey, "p", "1", ValueType::String);
    registry->SetValue(kHive, kKey, "p", "0", ValueType::Dword);
    EXPECT_EQ(testing_support::TypeOf(*api, kHive, kKey, "p"), 4u);
    // Binary is no type the program writes: nothing is written, and that is no failure.
    EXPECT_EQ(registry->SetValue(kHive, kKey, "b", "abc", ValueType::Binary), 0);
    EXPECT_FALSE(registry->ValueExists(kHive, kKey, "b"));
}

TEST_P(RegistryContract, ExistenceTellsAnEmptyValueFromADeletedOne) {
    ASSERT_EQ(registry->SetValue(kHive, kKey, "empty", "", ValueType::String), 0);
    EXPECT_TRUE(registry->ValueExists(kHive, kKey, "empty"));
    EXPECT_TRUE(registry->KeyExists(kHive, kKey));
    ASSERT_EQ(registry->DeleteValue(kHive, kKey, "empty"), 0);
    EXPECT_FALSE(registry->ValueExists(kHive, kKey, "empty"));
    EXPECT_NE(registry->DeleteValue(kHive, kKey, "empty"), 0);
    EXPECT_NE(registry->DeleteValue(kHive, kMissing, "empty"), 0);
    EXPECT_FALSE(registry->KeyExists(kHive, kMissing));
    EXPECT_FALSE(registry->ValueExists(kHive, kMissing, "empty"));
}

TEST_P(RegistryContract, SetValueNeverCreatesAKey) {
    EXPECT_NE(registry->SetValue(kHive, kMissing, "v", "1", ValueType::Dword), 0);
    EXPECT_NE(registry->SetValue(kHive, kMissing, "v", "x", ValueType::String), 0);
    EXPECT_FALSE(registry->KeyExists(kHive, kMissing));
    ASSERT_EQ(registry->CreateKey(kHive, kMissing), 0);
    EXPECT_EQ(registry->SetValue(kHive, kMissing, "v", "1", ValueType::Dword), 0);
    EXPECT_EQ(registry->GetValue(kHive, kMissing, "v"), "1");
}

TEST_P(RegistryContract, DwordsAreWrittenOnlyFromSigned32BitTexts) {
    registry->SetValue(kHive, kKey, "d", 77);
    for (const char* bad : {"abc", "", "1.5", "4294967296", "2147483648", "1e3", "0x10", "- 1"}) {
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
}

TEST_P(RegistryContract, NamesAndPathsIgnoreLetterCaseAndKeysGoOneAtATime) {
    registry->SetValue(kHive, kKey, "MixedCase", "v", ValueType::String);
    EXPECT_EQ(registry->GetValue(kHive, "SOFTWARE\\quarvelcontracttest\\VALUES", "mixedcase"), "v");
    EXPECT_EQ(registry->DeleteValue(kHive, kKey, "MIXEDCASE"), 0);
    EXPECT_FALSE(registry->ValueExists(kHive, kKey, "MixedCase"));
    ASSERT_EQ(registry->CreateKey(kHive, kChild), 0);
    EXPECT_NE(registry->DeleteKey(kHive, kKey), 0) << "a key with a subkey stays";
    EXPECT_EQ(registry->DeleteKey(kHive, kChild), 0);
    EXPECT_NE(registry->DeleteKey(kHive, kChild), 0);
    EXPECT_EQ(registry->DeleteKey(kHive, kKey), 0);
    EXPECT_FALSE(registry->KeyExists(kHive, kKey));
}

}  // namespace
}  // namespace contract
