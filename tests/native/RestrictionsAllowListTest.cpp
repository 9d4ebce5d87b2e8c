// The allow-list screen and its stored form, over the in-memory registry.
#include <gtest/gtest.h>

#include "restrictions/frmRestE.h"
#include "tests/support/Keys.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"

namespace {

using namespace testing_support;
using restrictions::frmRestE;
using Items = std::vector<std::string>;
using Values = std::map<int, std::string>;
constexpr Hive kCU = Hive::CurrentUser;

std::string Program(int i) {
    return std::string("p").append(std::to_string(i)).append(".exe");
}

const ShownMessage kApplied{"As restrições foram aplicadas com sucesso", "Quarvel", 64};
const ShownMessage kEmptyList{"É necessário adicionar os ítens à lista", "Erro", 16};

class AllowList : public ::testing::Test {
  protected:
    void Store(int number, const std::string& text) {
        PutText(program.registry, kCU, kAllowList, std::to_string(number), text);
    }
    Values Stored() { return NumberedValues(program.registry, kCU, kAllowList, 1, 800); }
    frmRestE& Open() { return program.screens.Open<frmRestE>(program.context); }

    TestProgram program;
};

TEST_F(AllowList, LoadingShowsTheUserRangeOnlyWithGapsClosed) {
    // 10 is longer than any fixed buffer.
    const Values stored{
        {1, "Quarvel.exe"},           {5, "five.exe"},   {6, "a.exe"},       {8, "b.exe"}, {9, ""},
        {10, std::string(3000, 'x')}, {599, "last.exe"}, {600, "beyond.exe"}};
    for (auto& [number, text] : stored) Store(number, text);
    platform::RegistryApi& api = program.registryApi;
    PutBytes(api, kCU, kAllowList, "11", 4, {"\5\0\0\0", 4});  // another tool's DWORD: its number
    PutBytes(api, kCU, kAllowList, "12", 3, {"z\0", 2});       // REG_BINARY is no name
    PutBytes(api, kCU, kAllowList, "13", 1, "c.exe");  // no terminating zero: nothing is lost
    auto& screen = Open();
    EXPECT_EQ(screen.caption(), "Restrição de executáveis");
    EXPECT_EQ(screen.List1.items(),
              (Items{"a.exe", "b.exe", std::string(3000, 'x'), "5", "c.exe", "last.exe"}));
}

TEST_F(AllowList, AnEmptyListIsRefusedUnlessTheWizardHasJustApplied) {
    Store(6, "a.exe");
    PutNumber(program.registry, kCU, kExplorer, "RestrictRun", 0);
    auto& screen = Open();
    screen.List1.UserSelect(0);
    screen.Label3.UserClick();
    screen.Label5.UserClick();
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kEmptyList}));
    EXPECT_TRUE(HasValue(program.registry, kCU, kExplorer, "RestrictRun", "0"));
    // The program's own executables are written first; the user's stay as they were.
    EXPECT_EQ(Stored(),
              (Values{{1, "Quarvel.exe"}, {2, "Resgate.exe"}, {3, "DErodu.exe"}, {6, "a.exe"}}));

    Store(606, "calc.exe");
    program.values.wizardApplied = true;
    screen.Label5.UserClick();
    EXPECT_EQ(program.dialogs.messages.back(), kApplied);
    EXPECT_TRUE(HasValue(program.registry, kCU, kExplorer, "RestrictRun", "1"));
    EXPECT_EQ(
        Stored(),
        (Values{{1, "Quarvel.exe"}, {2, "Resgate.exe"}, {3, "DErodu.exe"}, {606, "calc.exe"}}));
}

// 599 is the last number a list takes; the warning names up to 15 of those
// left out and counts the rest.
TEST_F(AllowList, NothingIsEverWrittenPastTheUserRange) {
    const std::string said =
        "As restrições foram aplicadas, mas a lista comporta no máximo 594 executáveis. Estes não "
        "foram gravados e não poderão ser executados:";
    for (auto [count, rest] : {std::pair{600, ""}, {609, ""}, {610, "\r\n... e mais 1."}}) {
        program.dialogs.messages.clear();
        Store(606, "calc.exe");
        auto& screen = Open();
        Items entries;
        for (int i = 1; i <= count; ++i) entries.push_back(Program(i));
        screen.List1.SetItems(entries);
        screen.Label5.UserClick();
        Values expected{
            {1, "Quarvel.exe"}, {2, "Resgate.exe"}, {3, "DErodu.exe"}, {606, "calc.exe"}};
        for (int i = 1; i <= 594; ++i) expected[5 + i] = Program(i);
        EXPECT_EQ(Stored(), expected) << "599 is the last, and 606 is left alone";
        EXPECT_TRUE(HasValue(program.registry, kCU, kExplorer, "RestrictRun", "1"));
        std::string named;
        for (int i = 595; i <= std::min(count, 609); ++i) named += "\r\n" + Program(i);
        EXPECT_EQ(program.dialogs.messages,
                  (std::vector<ShownMessage>{{said + named + rest, "Aviso", 48}}))
            << count;
        screen.Unload();
    }
}

TEST_F(AllowList, DesbloquearCreatesNoKey) {
    Open().Label4.UserClick();
    EXPECT_TRUE(KeyIsAbsent(program.registry, kCU, kExplorer));
    EXPECT_EQ(program.dialogs.messages.size(), 1u);
}

}  // namespace
