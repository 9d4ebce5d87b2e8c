// The allow-list screen and its stored form, over the in-memory registry.
#include <gtest/gtest.h>

#include "restrictions/frmRestE.h"
#include "tests/support/Keys.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"

namespace {

using restrictions::frmRestE;
using testing_support::kAllowList;
using testing_support::kExplorer;
using testing_support::ShownMessage;
using Items = std::vector<std::string>;

std::string Program(int i) {
    return std::string("p").append(std::to_string(i)).append(".exe");
}

const ShownMessage kApplied{"As restrições foram aplicadas com sucesso", "Quarvel", 64};
const ShownMessage kEmptyList{"É necessário adicionar os ítens à lista", "Erro", 16};

class AllowList : public ::testing::Test {
  protected:
    void Store(int number, const std::string& text) {
        testing_support::PutText(program.registry, Hive::CurrentUser, kAllowList,
                                 std::to_string(number), text);
    }
    void StoreRaw(int number, std::uint32_t type, std::vector<std::uint8_t> data) {
        platform::KeyHandle key = 0;
        program.registryApi.CreateKey(0x80000001u, std::string(kAllowList), 0x3F, key);
        program.registryApi.SetValue(key, std::to_string(number), type, data.data(),
                                     static_cast<std::uint32_t>(data.size()));
        program.registryApi.CloseKey(key);
    }
    std::string Stored(int number) {
        return program.registry.GetValue(Hive::CurrentUser, kAllowList, std::to_string(number));
    }
    std::map<int, std::string> StoredRange() {
        return testing_support::NumberedValues(program.registry, Hive::CurrentUser, kAllowList, 1,
                                               800);
    }
    std::string Switch() {
        return program.registry.GetValue(Hive::CurrentUser, kExplorer, "RestrictRun");
    }
    frmRestE& Open() { return program.screens.Open<frmRestE>(program.context); }
    void Add(frmRestE& screen, const std::string& name) {
        screen.Text1.UserType(name);
        screen.Text1.UserEnter();
    }

    testing_support::TestProgram program;
};

TEST_F(AllowList, LoadingShowsTheUserRangeOnlyWithGapsClosed) {
    Store(1, "Quarvel.exe");
    Store(5, "five.exe");
    Store(6, "a.exe");
    Store(8, "b.exe");
    Store(9, "");
    Store(10, std::string(3000, 'x'));           // longer than any fixed buffer
    StoreRaw(11, 4, {5, 0, 0, 0});               // a DWORD of another tool reads as its number
    StoreRaw(12, 3, {'z', 0});                   // REG_BINARY is no name
    StoreRaw(13, 1, {'c', '.', 'e', 'x', 'e'});  // no terminating zero: nothing is lost
    Store(599, "last.exe");
    Store(600, "beyond.exe");
    Store(606, "calc.exe");
    auto& screen = Open();
    EXPECT_EQ(screen.caption(), "Restrição de executáveis");
    EXPECT_EQ(screen.List1.items(),
              (Items{"a.exe", "b.exe", std::string(3000, 'x'), "5", "c.exe", "last.exe"}));
}

TEST_F(AllowList, BloquearStoresExactlyTheListAndSwitchesTheRestrictionOn) {
    Store(6, "a.exe");
    Store(8, "b.exe");
    Store(9, "c.exe");
    StoreRaw(20, 3, {1, 2, 3});  // junk of another tool inside the user range
    Store(606, "calc.exe");
    auto& screen = Open();
    screen.List1.UserSelect(0);
    screen.Label3.UserClick();  // "Apagar" a.exe
    Add(screen, "d.exe");
    Add(screen, "d.exe");  // repeats are kept
    screen.Label5.UserClick();

    EXPECT_EQ(StoredRange(), (std::map<int, std::string>{{1, "Quarvel.exe"},
                                                         {2, "Resgate.exe"},
                                                         {3, "DErodu.exe"},
                                                         {6, "b.exe"},
                                                         {7, "c.exe"},
                                                         {8, "d.exe"},
                                                         {9, "d.exe"},
                                                         {606, "calc.exe"}}));
    EXPECT_EQ(Switch(), "1");
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kApplied}));

    program.screens.Close(screen);
    EXPECT_EQ(Open().List1.items(), (Items{"b.exe", "c.exe", "d.exe", "d.exe"}))
        << "a removed entry is neither shown nor allowed again";
}

TEST_F(AllowList, EnterAddsTheTextAsTypedAndEmptiesTheBox) {
    auto& screen = Open();
    Add(screen, " Calc.EXE ");
    EXPECT_EQ(screen.Text1.text(), "");
    screen.Text1.UserEnter();  // an empty entry
    Add(screen, "ação.exe");
    EXPECT_EQ(screen.List1.items(), (Items{" Calc.EXE ", "", "ação.exe"}));
    screen.Label5.UserClick();
    EXPECT_EQ(Stored(6), " Calc.EXE ");
    EXPECT_EQ(Stored(7), "") << "stored as an empty REG_SZ";
    EXPECT_EQ(Stored(8), "ação.exe");
    program.screens.Close(screen);
    EXPECT_EQ(Open().List1.items(), (Items{" Calc.EXE ", "ação.exe"}));
}

TEST_F(AllowList, AnEmptyListIsRefusedUnlessTheWizardHasJustApplied) {
    Store(6, "a.exe");
    program.registry.CreateKey(Hive::CurrentUser, kExplorer);
    program.registry.SetValue(Hive::CurrentUser, kExplorer, "RestrictRun", 0);
    auto& screen = Open();
    screen.List1.UserSelect(0);
    screen.Label3.UserClick();
    screen.Label5.UserClick();
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kEmptyList}));
    EXPECT_EQ(Switch(), "0");
    EXPECT_EQ(Stored(3), "DErodu.exe") << "the program's own executables are written first";
    EXPECT_EQ(Stored(6), "a.exe") << "a refused list changes nothing of the user's";

    Store(606, "calc.exe");
    program.values.wizardApplied = true;
    screen.Label5.UserClick();
    EXPECT_EQ(program.dialogs.messages.back(), kApplied);
    EXPECT_EQ(Switch(), "1");
    EXPECT_EQ(StoredRange(),
              (std::map<int, std::string>{
                  {1, "Quarvel.exe"}, {2, "Resgate.exe"}, {3, "DErodu.exe"}, {606, "calc.exe"}}));
}

TEST_F(AllowList, NothingIsEverWrittenPastTheUserRange) {
    Store(606, "calc.exe");
    auto& screen = Open();
    Items entries;
    for (int i = 1; i <= 600; ++i) entries.push_back(Program(i));
    screen.List1.SetItems(entries);
    screen.Label5.UserClick();

    auto stored = StoredRange();
    EXPECT_EQ(stored[6], "p1.exe");
    EXPECT_EQ(stored[599], "p594.exe");
    for (int number = 600; number <= 605; ++number) EXPECT_EQ(stored.count(number), 0u);
    EXPECT_EQ(stored[606], "calc.exe");
    EXPECT_EQ(stored.size(), 3u + 594u + 1u);
    EXPECT_EQ(Switch(), "1");
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    const ShownMessage& warning = program.dialogs.messages[0];
    EXPECT_EQ(warning.title, "Aviso");
    EXPECT_EQ(warning.style, 48);
    EXPECT_NE(warning.text.find("594"), std::string::npos);
    for (int i = 595; i <= 600; ++i)
        EXPECT_NE(warning.text.find("\r\n" + Program(i)), std::string::npos) << i;
    EXPECT_EQ(warning.text.find("p594.exe"), std::string::npos);
}

TEST_F(AllowList, DesbloquearCreatesNoKey) {
    Open().Label4.UserClick();
    EXPECT_TRUE(testing_support::KeyIsAbsent(program.registry, Hive::CurrentUser, kExplorer));
    EXPECT_EQ(program.dialogs.messages.size(), 1u);
}

}  // namespace
