// The lock-code gate, the start-up mode and the target chooser; what each
// menu entry shows and opens is tested through the real windows.
#include <gtest/gtest.h>

#include <optional>

#include "menus/frmDestino.h"
#include "menus/frmEscR.h"
#include "menus/frmWizrd3.h"
#include "menus/frmpwd.h"
#include "menus/frnINI.h"
#include "platform/WindowsEditions.h"
#include "restrictions/PolicyScreens.h"
#include "tests/support/TransferVerbs.h"

namespace {

using namespace testing_support;
using menus::frmWizrd3;
using menus::frnINI;
using Lines = std::vector<std::string>;

class Menus : public ::testing::Test {
  protected:
    void SetUp() override {
        registry.CreateKey(kLM, kCurrentVersion);
        registry.CreateKey(kCU, kCurrentVersion);
    }
    frnINI& MainMenu() {
        PutText(registry, kCU, kCurrentVersion, "Tb", "0");
        return program.screens.Open<frnINI>(program.context);
    }

    TestProgram program;
    RegistryAccess& registry = program.registry;
};

// One start at the gate: the stored code (none: no SYSNOT at all), auto-entry,
// what the user types (each string a state of the box), how the user ends,
// and what then shows.
// clang-format off
struct GateCase { const char* what; std::optional<std::string> code; bool autoEntry;
                  std::vector<std::string> typed; enum { None, Ok, Esc } then;
                  bool menuOpens, quits, wrongCodeMessage; };

TEST_F(Menus, TheGateLetsInTheExactCodeAndNothingElse) {
    const GateCase cases[] = {
        {"no code", std::nullopt, false, {}, GateCase::None, true, false, false},
        {"an empty code", "", false, {}, GateCase::None, true, false, false},
        {"the code, then OK", "Segredo", false, {"Segredo"}, GateCase::Ok, true, false, false},
        {"letter case counts", "Segredo", false, {"segredo"}, GateCase::Ok, false, true, true},
        {"Esc is Cancelar", "abc", false, {"abc"}, GateCase::Esc, false, true, false},
        {"without auto-entry it waits", "abc", false, {"abc"}, GateCase::None, false, false, false},
        {"auto-entry on the last character", "abc", true, {"ab", "abc"}, GateCase::None, true, false, false},
        {"auto-entry waits for the whole code", "abc", true, {"ab"}, GateCase::None, false, false, false},
    };
    // clang-format on
    const Messages wrongCode{
        {"Seu código é inválido, para maiores informações, envie um E-mail para "
         "suporte@quarvel.com.br",
         "Erro de Autenticação", 0}};
    for (const GateCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestProgram started;
        if (c.code) PutText(started.registry, kLM, kCurrentVersion, "SYSNOT", *c.code);
        if (c.autoEntry) PutText(started.registry, kLM, kCurrentVersion, "SYSNOT2", "1");
        started.screens.Open<menus::frmpwd>(started.context);
        if (auto* gate = started.screens.Find<menus::frmpwd>()) {
            EXPECT_EQ(gate->caption(), "Digite o seu código-trava ");
            for (const std::string& text : c.typed) gate->Text1.UserType(text);
            if (c.then == GateCase::Ok) gate->Label1.UserClick();
            if (c.then == GateCase::Esc) gate->UserCancel();
        }
        EXPECT_EQ(started.screens.Find<frnINI>() != nullptr, c.menuOpens);
        EXPECT_EQ(started.renderer.quit, c.quits);
        EXPECT_EQ(started.dialogs.messages, c.wrongCodeMessage ? wrongCode : Messages{});
    }
}

TEST_F(Menus, BothMenusClearTheWizardFlagAndTheMainMenuSetsTheBaseFolder) {
    program.values.wizardApplied = true;
    frnINI& menu = MainMenu();
    EXPECT_FALSE(program.values.wizardApplied);
    EXPECT_EQ(program.values.baseFolder, program.Folder());
    program.values.wizardApplied = true;
    menu.Label1.UserClick();
    EXPECT_FALSE(program.values.wizardApplied);
    menu.UserCancel();
    EXPECT_TRUE(program.screens.IsOpen(menu)) << "Esc leaves the main menu open";

    TestProgram windows;
    PutText(windows.registry, kLM, kCurrentVersion, "SystemRoot", "C:\\WINDOWS");
    windows.screens.Open<frnINI>(windows.context);
    EXPECT_EQ(windows.values.baseFolder, "C:\\WINDOWS");
}

TEST_F(Menus, TheAreaChooserOpensTheThreePolicyScreens) {
    auto& chooser = program.screens.Open<menus::frmEscR>(program.context);
    for (auto [button, caption, opens] :
         {std::tuple{&chooser.Command1, "Restrições na Área de trabalho", "frmRestD"},
          {&chooser.Command2, "Restrições no sistema", "frmRestS"},
          {&chooser.Command3, "Restrições no Explorer", "frmRestEx"}}) {
        EXPECT_EQ(button->caption(), caption);
        button->UserClick();
        EXPECT_EQ(program.renderer.shown.back(), opens);
    }
}

TEST_F(Menus, AnotherAccountLoggedOnIsOfferedAsTheTargetAndChoosingItClosesStaleScreens) {
    program.accounts.loggedOn = platform::Account{"aluno", "S-1-5-21-1-2-3-1001"};
    frnINI& menu = MainMenu();
    auto* chooser = program.screens.Find<menus::frmDestino>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->Label1.caption(),
              "O Windows está com a conta \"aluno\" aberta, mas o Quarvel roda como "
              "\"Administrador\": o que ele gravar restringe \"Administrador\", não \"aluno\". De "
              "quem são as configurações?");
    EXPECT_EQ(chooser->List1.items(),
              (Lines{"Esta conta (Administrador)",
                     "Usuários comuns (todos que não são administradores)", "aluno"}));
    EXPECT_EQ(chooser->List1.listIndex(), 2);
    auto& stale = program.screens.Open<restrictions::frmRestS>(program.context);
    chooser->Command1.UserClick();
    EXPECT_FALSE(program.screens.IsOpen(stale)) << "it showed the settings of the target before";
    EXPECT_EQ(menu.caption(), "Quarvel 2.0 - www.quarvel.com.br - Conta aluno");
}

TEST_F(Menus, AHomeEditionIsWarnedOnceAndEscLeavesTheTargetAsItWas) {
    program.accounts.home = true;
    frnINI& menu = MainMenu();
    for (int row : {1, 1, 0}) {  // the non-administrators twice, then this account, cancelled
        auto& chooser = program.screens.Open<menus::frmDestino>(program.context);
        chooser.List1.UserSelect(row);
        row ? chooser.Command1.UserClick() : chooser.UserCancel();
    }
    EXPECT_EQ(
        program.dialogs.messages,
        (Messages{{"Esta edição do Windows não tem o Editor de Política de Grupo local, e não é "
                   "certo que ela aplique as políticas locais por conta. As configurações serão "
                   "gravadas assim mesmo.",
                   "Quarvel", 48}}));
    EXPECT_EQ(menu.caption(), "Quarvel 2.0 - www.quarvel.com.br - Usuários comuns");
}

TEST_F(Menus, TheMenusStartWithTheLastTargetTheChooserMarksAndAsksForAdministrators) {
    program.accounts.local.push_back({"prof", "S-1-5-21-1-2-3-1002", true});
    program.accounts.local.push_back({"Convidado", "S-1-5-21-1-2-3-501", false, true});
    const std::string caption = "Quarvel 2.0 - www.quarvel.com.br - ";
    const std::string ask =
        "\"prof\" é uma conta de administrador: restringi-la pode tirar dela o acesso ao Quarvel "
        "e ao próprio Windows. Usar essa conta como destino assim mesmo?";
    frnINI* menu = &MainMenu();
    auto& chooser = program.screens.Open<menus::frmDestino>(program.context);
    EXPECT_EQ(chooser.List1.items(), (Lines{"Esta conta (Administrador)",
                                            "Usuários comuns (todos que não são administradores)",
                                            "aluno", "prof (administrador)"}));
    chooser.List1.UserSelect(3);
    program.dialogs.askAnswers = {false};
    chooser.Command1.UserClick();
    EXPECT_EQ(program.dialogs.messages, (Messages{{ask, "Quarvel", 36}}));
    EXPECT_EQ(menu->caption(), caption + "Esta conta (Administrador)") << "Não: nothing changes";
    program.dialogs.askAnswers = {true};
    chooser.Command1.UserClick();
    EXPECT_TRUE(HasValue(program.hive, kCU, kCurrentVersion, "Destino", "prof"));
    // clang-format off
    for (auto [remembered, shown] : {std::pair{"prof", "Conta prof"}, {"comuns", "Usuários comuns"},
                                     {"eu", "Esta conta (Administrador)"},
                                     {"ninguem", "Esta conta (Administrador)"}}) {
        // clang-format on
        PutText(program.hive, kCU, kCurrentVersion, "Destino", remembered);
        program.screens.Close(*menu);
        program.values.target = {};
        menu = &MainMenu();
        EXPECT_EQ(menu->caption(), caption + shown);
    }
    // The running account's own object is not "Esta conta".
    core::ChooseTarget(program.context, core::TargetKind::Account, "Administrador");
    auto& again = program.screens.Open<menus::frmDestino>(program.context);
    EXPECT_EQ(again.List1.items().at(again.List1.listIndex()), "Administrador (administrador)");
}

TEST(WindowsEditions, EveryHomeStarterAndEEditionHasNoPolicyEditor) {
    // Microsoft's PRODUCT_* numbers of GetProductInfo.
    for (std::uint32_t home : {0x02u, 0x03u, 0x05u, 0x0Bu, 0x1Au, 0x2Fu, 0x42u, 0x43u, 0x44u, 0x62u,
                               0x63u, 0x64u, 0x65u})
        EXPECT_TRUE(platform::IsHomeProduct(home)) << home;
    for (std::uint32_t other : {0x01u, 0x04u, 0x06u, 0x30u, 0x31u, 0x45u, 0x46u, 0x48u, 0x79u})
        EXPECT_FALSE(platform::IsHomeProduct(other)) << other;
}

}  // namespace
