// The restriction wizard: its catalogue, what it stores in the allow-list,
// and the round trip with the allow-list screen.
#include <gtest/gtest.h>

#include <map>

#include "restrictions/frmRestE.h"
#include "restrictions/frmWizrd2.h"
#include "tests/support/Keys.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"

namespace {

using restrictions::frmRestE;
using restrictions::frmWizrd2;
using testing_support::kAllowList;
using testing_support::kExplorer;
using testing_support::ShownMessage;

const ShownMessage kApplied{
    "As alterações foram aplicadas com sucesso, volte a tela anterior e clique em bloquear",
    "Quarvel", 64};

class RestrictionWizard : public ::testing::Test {
  protected:
    void Store(int number, const std::string& text) {
        testing_support::PutText(program.registry, Hive::CurrentUser, kAllowList,
                                 std::to_string(number), text);
    }
    std::map<int, std::string> Stored() {
        return testing_support::NumberedValues(program.registry, Hive::CurrentUser, kAllowList, 1,
                                               800);
    }
    frmWizrd2& Open() { return program.screens.Open<frmWizrd2>(program.context); }
    forms::CheckBox& Box(frmWizrd2& wizard, const char* name) {
        return *static_cast<forms::CheckBox*>(wizard.Find(name));
    }

    testing_support::TestProgram program;
};

TEST_F(RestrictionWizard, OnlyTheIndicatorOfAnyTypeOrSizeDecidesWhetherAnEntryShowsTicked) {
    using namespace std::string_literals;
    // clang-format off
    const struct { int number; std::uint32_t type; std::string data; const char* box; bool ticked; }
        rows[] = {
        {642, 1, "FREECELL.exe\0"s, "Check28", true},
        {606, 4, "\0\0\0\0"s, "Check1", true},                        // a DWORD 0 reads "0"
        {607, 3, "\1\2\3", "Check2", false},                          // binary reads as nothing
        {608, 1, std::string(100000, 'w') + '\0', "Check3", true},  // a long name is a name
        {609, 1, "", "Check4", false},                              // not even its zero
    };
    // clang-format on
    for (const auto& row : rows)
        testing_support::PutBytes(program.registryApi, Hive::CurrentUser, kAllowList,
                                  std::to_string(row.number), row.type, row.data);
    frmWizrd2& wizard = Open();
    EXPECT_EQ(wizard.caption(), "Assistente de Restrições");
    EXPECT_EQ(Box(wizard, "Check28").caption(), "Jogos do Windows");
    for (const auto& row : rows) EXPECT_EQ(Box(wizard, row.box).checked(), row.ticked) << row.box;
    // "Atuais" reads them again; the entry's other numbers do not count.
    program.registry.DeleteValue(Hive::CurrentUser, kAllowList, "642");
    for (int number = 637; number <= 647; ++number)
        if (number != 642) Store(number, "x.exe");
    Box(wizard, "Check2").UserClick();
    wizard.Label2.UserClick();
    EXPECT_FALSE(Box(wizard, "Check28").checked());
    EXPECT_FALSE(Box(wizard, "Check2").checked());
}

TEST_F(RestrictionWizard, ApplyingOfficeWritesItsOwnNumbersOnlyAndLeavesTheRestAlone) {
    Store(6, "meu.exe");
    Store(662, "winword.exe");
    Store(600, "fora.exe");
    frmWizrd2& wizard = Open();
    Box(wizard, "Check32").UserClick();  // the lower-case Word entry: unticked now
    Box(wizard, "Check37").UserClick();
    wizard.Label3.UserClick();
    EXPECT_EQ(program.dialogs.messages, std::vector<ShownMessage>{kApplied});
    EXPECT_TRUE(program.values.wizardApplied);
    std::map<int, std::string> stored = Stored();
    EXPECT_EQ(stored.count(662), 0u) << "unticked: removed";
    EXPECT_EQ(stored[6], "meu.exe") << "the user's range is never touched";
    EXPECT_EQ(stored[600], "fora.exe");
    EXPECT_EQ(stored.count(1), 0u) << "the program's own executables are the allow-list's business";
    int office = 0;
    for (const auto& [number, file] : stored)
        if (number >= 667 && number <= 719) ++office;
    EXPECT_EQ(office, 53);
    EXPECT_EQ(stored[670], "MSO7FTPS.EXE ") << "the trailing blank is part of the name";
    EXPECT_EQ(stored[676], "SCHDPL32.EXE");
    EXPECT_EQ(stored[717], "SCHDPL32.EXE");
    EXPECT_EQ(stored.size(), 2u + 53u);
    EXPECT_TRUE(
        testing_support::IsAbsent(program.registry, Hive::CurrentUser, kExplorer, "RestrictRun"))
        << "the wizard never switches the restriction on";
    EXPECT_TRUE(program.screens.IsOpen(wizard)) << "the wizard stays open";
}

TEST_F(RestrictionWizard, UntickingDeletesEveryValueOfTheEntryAndApplyingAgainStillSucceeds) {
    for (int number = 654; number <= 661; ++number) Store(number, "ie.exe");
    frmWizrd2& wizard = Open();
    ASSERT_TRUE(Box(wizard, "Check31").checked());
    Box(wizard, "Check31").UserClick();
    wizard.Label3.UserClick();
    EXPECT_TRUE(Stored().empty());
    wizard.Label3.UserClick();
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kApplied, kApplied}));
}

TEST_F(RestrictionWizard, TheAllowListComesBackFreshlyLoadedWhicheverWayTheWizardCloses) {
    for (bool closeBox : {false, true}) {
        Store(6, "meu.exe");
        frmRestE& allowList = program.screens.Open<frmRestE>(program.context);
        allowList.Text1.UserType("nao-gravado.exe");
        allowList.Text1.UserEnter();
        allowList.Label9.UserClick();  // "Assistente"
        EXPECT_EQ(program.screens.Find<frmRestE>(), nullptr) << "unloaded while the wizard is open";
        frmWizrd2* wizard = program.screens.Find<frmWizrd2>();
        ASSERT_NE(wizard, nullptr);
        EXPECT_EQ(wizard->Image1.picture(), program.Folder() + "\\images\\tela fundo.bmp");
        closeBox ? wizard->Unload() : wizard->UserCancel();  // Esc is "Cancelar"
        frmRestE* back = program.screens.Find<frmRestE>();
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->List1.items(), std::vector<std::string>{"meu.exe"});
        EXPECT_FALSE(program.renderer.quit);
        back->Unload();  // the last screen: the program would end here
        program.renderer.quit = false;
    }
}

}  // namespace
