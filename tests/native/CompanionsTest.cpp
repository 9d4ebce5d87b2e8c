// The companions' portable parts: which windows are blocked, and what the
// emergency program lifts.
#include <gtest/gtest.h>

#include "companions/BlockRule.h"
#include "companions/Rescue.h"
#include "companions/frmResgate.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "restrictions/PolicyCatalogues.h"
#include "core/Settings.h"
#include "tests/support/TestProgram.h"

namespace {

using companions::TitleMatches;

TEST(BlockRule, NamesMatchTitlesWhateverTheLetterCaseAndBlanks) {
    EXPECT_TRUE(TitleMatches("Paciência", "paciência"));
    EXPECT_TRUE(TitleMatches("  PACIÊNCIA ", "Paciência\t"));
    EXPECT_TRUE(TitleMatches("Jogos", "C:\\Arquivos\\Jogos\\"));
    EXPECT_TRUE(TitleMatches("C:\\Arquivos\\Jogos", "c:\\arquivos\\jogos"));
    EXPECT_FALSE(TitleMatches("Paciência Spider", "Paciência"));
    EXPECT_FALSE(TitleMatches("Jogos", "Jogo"));
    EXPECT_FALSE(TitleMatches("", ""));
    EXPECT_FALSE(TitleMatches("Bloco de notas", "   "));
    EXPECT_FALSE(TitleMatches("x", "\\"));
    std::string longName(600, 'a');
    EXPECT_TRUE(TitleMatches(std::string(600, 'A'), longName));
    EXPECT_FALSE(TitleMatches("\xff\xfe", "\xff"));  // not UTF-8: no crash
}

TEST(BlockRule, TheProgramsOwnExecutablesAreKnownByTheirFileNames) {
    for (auto [executable, own] : {std::pair{"Quarvel.exe", true},
                                   {"C:\\Program Files\\Quarvel\\RESGATE.EXE", true},
                                   {"derodu.exe", true},
                                   {"Quarvel - Resgate", false},
                                   {"notepad.exe", false},
                                   {"Quarvel.exe.bak", false},
                                   {"", false}})
        EXPECT_EQ(companions::IsOwnProgram(executable), own) << executable;
}

TEST(BlockRule, TheSignatureAndBlankLinesAreNotNames) {
    auto names = companions::BlockedNames({restrictions::block_list::SignatureLine(), "", "  ",
                                           " Jogos ", "Quarvel by Ostrelvan", "Paint"});
    EXPECT_EQ(names, (std::vector<std::string>{"Jogos", "Paint"}));
}

class Rescue : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto key : restrictions::kPolicyKeys)
            program.registry.CreateKey(Hive::CurrentUser, key);
        program.registry.CreateKey(Hive::LocalMachine, core::kCurrentVersion);
        program.registry.CreateKey(Hive::LocalMachine, restrictions::block_list::kRunKey);
        restrictions::allow_list::PrepareList(program.registry);
        restrictions::allow_list::WriteUserList(program.registry, {"calc.exe"});
        restrictions::allow_list::SetSwitch(program.registry, true);
        program.registry.SetValue(Hive::CurrentUser, restrictions::kExplorerPolicyKey, "NoRun", 1);
        program.registry.SetValue(Hive::CurrentUser, restrictions::kExplorerPolicyKey,
                                  "NoSaveSettings", 1);
        restrictions::block_list::SetLogonEntry(program.registry, program.files);
    }
    std::string Policy(std::string_view name) {
        return program.registry.GetValue(Hive::CurrentUser, restrictions::kExplorerPolicyKey, name);
    }
    testing_support::TestProgram program;
};

TEST_F(Rescue, LiftsTheRestrictionsAndKeepsTheLists) {
    auto undone = companions::LiftRestrictions(program.registry);
    EXPECT_EQ(undone.size(), 3u);
    EXPECT_EQ(undone[1], "2 restrições do Windows foram desligadas");
    EXPECT_EQ(Policy("RestrictRun"), "0");
    EXPECT_EQ(Policy("NoRun"), "0");
    EXPECT_EQ(Policy("NoFolderOptions"), "0");
    EXPECT_EQ(
        program.registry.GetValue(Hive::LocalMachine, restrictions::block_list::kRunKey, "TvalueT"),
        "");
    EXPECT_EQ(program.registry.GetValue(Hive::CurrentUser, restrictions::allow_list::kListKey, "6"),
              "calc.exe");
    EXPECT_TRUE(companions::LiftRestrictions(program.registry).empty());
    program.registry.SetValue(Hive::CurrentUser, restrictions::kExplorerPolicyKey, "NoRun", 1);
    EXPECT_EQ(companions::LiftRestrictions(program.registry),
              std::vector<std::string>{"1 restrição do Windows foi desligada"});
}

TEST_F(Rescue, AsksForTheLockCodeFirstAndEndsOnAWrongOne) {
    program.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", "Segredo",
                              ValueType::String);
    auto& screen = program.screens.Open<companions::frmResgate>(program.context);
    EXPECT_TRUE(screen.Text1.visible());
    screen.Text1.UserType("segredo");
    screen.Label1.UserClick();
    EXPECT_TRUE(program.renderer.quit);
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].title, "Erro de Autenticação");
    EXPECT_EQ(Policy("NoRun"), "1") << "nothing is lifted on a wrong code";
}

TEST_F(Rescue, TheRightCodeOrNoCodeLiftsAndSaysWhat) {
    auto& screen = program.screens.Open<companions::frmResgate>(program.context);
    EXPECT_FALSE(screen.Text1.visible());
    screen.UserAccept();
    EXPECT_EQ(Policy("NoRun"), "0");
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_TRUE(program.dialogs.messages[0].text.starts_with("Restrições desfeitas:"));
    EXPECT_TRUE(program.renderer.quit);
}

TEST_F(Rescue, ALockCodeOfAnotherTypeIsStillAsked) {
    program.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", "42",
                              ValueType::Dword);
    auto& screen = program.screens.Open<companions::frmResgate>(program.context);
    screen.Text1.UserType("42");
    screen.Label1.UserClick();
    EXPECT_EQ(Policy("NoRun"), "0");
}

}  // namespace
