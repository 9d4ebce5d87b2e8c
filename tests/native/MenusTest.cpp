// The lock-code gate, the start-up mode, the wizard menu's way back to the
// main menu and its chooser. What each menu entry shows and opens is tested
// through the real windows.
#include <gtest/gtest.h>

#include <fstream>

#include "menus/frmEscR.h"
#include "menus/frmWizrd3.h"
#include "menus/frmpwd.h"
#include "menus/frnINI.h"
#include "tests/support/FormVerbs.h"
#include "tests/support/RegistryVerbs.h"

namespace {

using namespace testing_support;
using forms::WindowState;
using menus::frmWizrd3;
using menus::frnINI;

constexpr char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
class Menus : public ::testing::Test {
  protected:
    void SetUp() override {
        registry.CreateKey(Hive::LocalMachine, kCurrentVersion);
        registry.CreateKey(Hive::CurrentUser, kCurrentVersion);
    }
    void SetMode(const char* mode) {
        PutText(registry, Hive::CurrentUser, kCurrentVersion, "Tb", mode);
    }
    frnINI& MainMenu() {
        SetMode("0");
        return program.screens.Open<frnINI>(program.context);
    }
    frmWizrd3& WizardMenu() {
        program.screens.Open<frnINI>(program.context);
        return *program.screens.Find<frmWizrd3>();
    }
    menus::frmpwd* Gate() { return program.screens.Find<menus::frmpwd>(); }
    bool MenuIsOpen() { return program.screens.Find<frnINI>() != nullptr; }
    void StartWithCode(const char* code) {
        PutText(registry, Hive::LocalMachine, kCurrentVersion, "SYSNOT", code);
        program.screens.Open<menus::frmpwd>(program.context);
    }

    TestProgram program;
    RegistryAccess& registry = program.registry;
};

const ShownMessage kWrongCode{
    "Seu código é inválido, para maiores informações, envie um E-mail para suporte@quarvel.com.br",
    "Erro de Autenticação", 0};

TEST_F(Menus, WithoutALockCodeTheMainMenuOpensUnasked) {
    for (const char* stored : {static_cast<const char*>(nullptr), ""}) {
        TestProgram fresh;
        if (stored) PutText(fresh.registry, Hive::LocalMachine, kCurrentVersion, "SYSNOT", stored);
        fresh.screens.Open<menus::frmpwd>(fresh.context);
        EXPECT_EQ(fresh.renderer.shown, (std::vector<std::string>{"frmWizrd3", "frnINI"}))
            << "the menu comes up under the wizard menu, never the gate";
    }
}

TEST_F(Menus, TheGateLetsInTheExactCodeAsStoredNow) {
    StartWithCode("old");
    ASSERT_NE(Gate(), nullptr);
    EXPECT_EQ(Gate()->caption(), "Digite o seu código-trava ");
    PutText(registry, Hive::LocalMachine, kCurrentVersion, "SYSNOT", "Segredo");
    Gate()->Text1.UserType("old");
    EXPECT_EQ(Gate()->Label1.backColor(), forms::SysColor::None);
    Gate()->Text1.UserType("Segredo");
    EXPECT_EQ(Gate()->Label1.backColor(), forms::SysColor::Highlight);
    EXPECT_FALSE(MenuIsOpen()) << "without auto-entry the gate waits for OK";
    Gate()->UserAccept();  // Enter is OK
    EXPECT_TRUE(MenuIsOpen());
    EXPECT_EQ(Gate(), nullptr);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST_F(Menus, AWrongCodeOrCancelEndsTheProgram) {
    StartWithCode("Segredo");
    Gate()->Text1.UserType("segredo");  // letter case counts
    Gate()->Label1.UserClick();
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kWrongCode}));
    EXPECT_TRUE(program.renderer.quit);

    TestProgram cancelled;
    PutText(cancelled.registry, Hive::LocalMachine, kCurrentVersion, "SYSNOT", "abc");
    cancelled.screens.Open<menus::frmpwd>(cancelled.context);
    cancelled.screens.Find<menus::frmpwd>()->UserCancel();  // Esc is Cancelar
    EXPECT_TRUE(cancelled.renderer.quit);
    EXPECT_TRUE(cancelled.dialogs.messages.empty());
    EXPECT_EQ(cancelled.screens.Find<frnINI>(), nullptr);
}

TEST_F(Menus, AutoEntryEntersOnTheLastCharacter) {
    PutText(registry, Hive::LocalMachine, kCurrentVersion, "SYSNOT2", "1");
    StartWithCode("abc");
    Gate()->Text1.UserType("ab");
    EXPECT_FALSE(MenuIsOpen());
    Gate()->Text1.UserType("abc");
    EXPECT_TRUE(MenuIsOpen());
}

TEST_F(Menus, ADwordLockCodeReadsAsItsNumber) {
    registry.SetValue(Hive::LocalMachine, kCurrentVersion, "SYSNOT", 5);
    program.screens.Open<menus::frmpwd>(program.context);
    ASSERT_NE(Gate(), nullptr);
    Gate()->Text1.UserType("5");
    Gate()->UserAccept();
    EXPECT_TRUE(MenuIsOpen());
}

TEST_F(Menus, AnyModeButZeroStartsInTheWizardMenu) {
    for (const char* mode : {static_cast<const char*>(nullptr), "1", "", "00", "0"}) {
        TestProgram started;
        if (mode) PutText(started.registry, Hive::CurrentUser, kCurrentVersion, "Tb", mode);
        auto& menu = started.screens.Open<frnINI>(started.context);
        bool normal = mode && std::string(mode) == "0";
        EXPECT_EQ(started.renderer.shown.size(), normal ? 1u : 2u) << (mode ? mode : "missing");
        EXPECT_EQ(menu.windowState(), normal ? WindowState::Normal : WindowState::Minimized);
    }
}

TEST_F(Menus, ModoNormalOrEscBringsTheMainMenuBack) {
    for (bool esc : {false, true}) {
        TestProgram started;
        started.screens.Open<frnINI>(started.context);
        frmWizrd3& wizard = *started.screens.Find<frmWizrd3>();
        if (esc) started.screens.Close<frnINI>();  // even one the user had closed
        esc ? wizard.UserCancel() : wizard.Find("Label16")->UserClick();
        ASSERT_NE(started.screens.Find<frnINI>(), nullptr);
        EXPECT_EQ(started.screens.Find<frnINI>()->windowState(), WindowState::Normal);
        EXPECT_EQ(started.screens.Find<frmWizrd3>(), nullptr);
        EXPECT_FALSE(started.renderer.quit);
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

    TestProgram windows;
    PutText(windows.registry, Hive::LocalMachine, kCurrentVersion, "SystemRoot", "C:\\WINDOWS");
    windows.screens.Open<frnINI>(windows.context);
    EXPECT_EQ(windows.values.baseFolder, "C:\\WINDOWS");
}

TEST_F(Menus, TheChooserOpensThePolicyScreensTheMainMenuOpens) {
    frmWizrd3& wizard = WizardMenu();
    program.screens.Find<frnINI>()->Find("Label8")->UserClick();  // the main menu's "Sistema"
    wizard.Find("Label3")->UserClick();
    auto* chooser = program.screens.Find<menus::frmEscR>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->caption(), "Escolha a área desejada");
    struct {
        forms::CommandButton& button;
        const char *caption, *opens;
    } rows[] = {{chooser->Command1, "Restrições na Área de trabalho", "frmRestD"},
                {chooser->Command2, "Restrições no sistema", ""},  // already open: brought forward
                {chooser->Command3, "Restrições no Explorer", "frmRestEx"}};
    for (auto& row : rows) {
        EXPECT_EQ(row.button.caption(), row.caption);
        auto shown = ScreensShownBy(program, [&] { row.button.UserClick(); });
        EXPECT_EQ(shown,
                  row.opens[0] ? std::vector<std::string>{row.opens} : std::vector<std::string>{});
    }
    EXPECT_EQ(program.renderer.broughtForward.back(), "frmRestS");
    EXPECT_TRUE(program.screens.IsOpen(*chooser)) << "the chooser stays open";
}

}  // namespace
