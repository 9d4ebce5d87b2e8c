// The lock-code gate and the main menu's start-up work.
#include <gtest/gtest.h>

#include "menus/MainMenuEntries.h"
#include "core/Settings.h"
#include "menus/frmpwd.h"
#include "menus/frnINI.h"
#include "tests/support/TestProgram.h"

namespace {

using menus::frmpwd;
using menus::frnINI;
using testing_support::ShownMessage;

class StartUp : public ::testing::Test {
  protected:
    void SetUp() override {
        program.registry.CreateKey(Hive::LocalMachine, core::kCurrentVersion);
        program.registry.CreateKey(Hive::CurrentUser, core::kCurrentVersion);
    }
    void Set(Hive hive, std::string_view name, const std::string& value) {
        program.registry.SetValue(hive, core::kCurrentVersion, name, value, ValueType::String);
    }
    frmpwd* Gate() { return program.screens.Find<frmpwd>(); }
    frnINI* Menu() { return program.screens.Find<frnINI>(); }
    void Start() { program.screens.Open<frmpwd>(program.context); }

    testing_support::TestProgram program;
};

const ShownMessage kWrongCode{
    "Seu código é inválido, para maiores informações, envie um E-mail para suporte@quarvel.com.br",
    "Erro de Autenticação", 0};

TEST_F(StartUp, WithoutALockCodeTheMainMenuOpensAndTheGateIsNeverSeen) {
    for (bool emptyValue : {false, true}) {
        testing_support::TestProgram fresh;
        fresh.registry.CreateKey(Hive::LocalMachine, core::kCurrentVersion);
        if (emptyValue)
            fresh.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", "",
                                    ValueType::String);
        fresh.screens.Open<frmpwd>(fresh.context);
        EXPECT_NE(fresh.screens.Find<frnINI>(), nullptr);
        EXPECT_EQ(fresh.screens.Find<frmpwd>(), nullptr);
        EXPECT_FALSE(fresh.renderer.quit);
    }
}

TEST_F(StartUp, TheRightCodeOpensTheMainMenu) {
    Set(Hive::LocalMachine, "SYSNOT", "Segredo");
    Start();
    ASSERT_NE(Gate(), nullptr);
    EXPECT_EQ(Gate()->caption(), "Digite o seu código-trava ");
    Gate()->Text1.UserType("Segredo");
    EXPECT_EQ(Gate()->Label1.backColor(), forms::SysColor::Highlight);
    EXPECT_EQ(Menu(), nullptr) << "without auto-entry the gate waits for OK";
    Gate()->Label1.UserClick();
    EXPECT_NE(Menu(), nullptr);
    EXPECT_EQ(Gate(), nullptr);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST_F(StartUp, AWrongCodeEndsTheProgramAfterOneMessage) {
    Set(Hive::LocalMachine, "SYSNOT", "Segredo");
    Start();
    Gate()->Text1.UserType("segredo");  // letter case counts
    EXPECT_EQ(Gate()->Label1.backColor(), forms::SysColor::None);
    Gate()->Label1.UserClick();
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kWrongCode}));
    EXPECT_TRUE(program.renderer.quit);
    EXPECT_EQ(Menu(), nullptr);
}

TEST_F(StartUp, AutoEntryEntersOnTheLastCharacterOfTheCode) {
    Set(Hive::LocalMachine, "SYSNOT", "abc");
    Set(Hive::LocalMachine, "SYSNOT2", "1");
    Start();
    Gate()->Text1.UserType("a");
    Gate()->Text1.UserType("ab");
    EXPECT_EQ(Gate()->Label1.backColor(), forms::SysColor::None);
    Gate()->Text1.UserType("abc");
    EXPECT_EQ(Gate(), nullptr);
    EXPECT_NE(Menu(), nullptr);
}

TEST_F(StartUp, TheGateComparesWithTheCodeAsItIsNow) {
    Set(Hive::LocalMachine, "SYSNOT", "old");
    Start();
    Set(Hive::LocalMachine, "SYSNOT", "new");
    Gate()->Text1.UserType("old");
    EXPECT_EQ(Gate()->Label1.backColor(), forms::SysColor::None);
    Gate()->Text1.UserType("new");
    Gate()->UserAccept();  // Enter is OK
    EXPECT_NE(Menu(), nullptr);
}

TEST_F(StartUp, CancelEndsTheProgramWithoutAMessage) {
    Set(Hive::LocalMachine, "SYSNOT", "abc");
    Start();
    Gate()->Text1.UserType("abc");
    Gate()->UserCancel();  // Esc is Cancelar
    EXPECT_TRUE(program.renderer.quit);
    EXPECT_TRUE(program.dialogs.messages.empty());
    EXPECT_EQ(Menu(), nullptr);
}

TEST_F(StartUp, ALockCodeOfAnotherTypeReadsAsTheLayerReadsIt) {
    program.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", "5",
                              ValueType::Dword);
    Start();
    ASSERT_NE(Gate(), nullptr) << "a DWORD lock code reads as its decimal text";
    Gate()->Text1.UserType("5");
    Gate()->UserAccept();
    EXPECT_NE(Menu(), nullptr);

    testing_support::TestProgram binary;
    platform::KeyHandle key = 0;
    binary.registryApi.CreateKey(0x80000002u, std::string(core::kCurrentVersion), 0x3F, key);
    const std::uint8_t junk[] = {0, 1, 2};
    binary.registryApi.SetValue(key, "SYSNOT", 3, junk, sizeof junk);
    binary.registryApi.CloseKey(key);
    binary.screens.Open<frmpwd>(binary.context);
    EXPECT_EQ(binary.screens.Find<frmpwd>(), nullptr) << "binary data counts as no lock code";
}

TEST_F(StartUp, MainMenuSetsTheBaseFolderAndClearsTheWizardFlag) {
    program.values.wizardApplied = true;
    program.screens.Open<frnINI>(program.context);
    EXPECT_EQ(program.values.baseFolder, program.Folder());
    EXPECT_FALSE(program.values.wizardApplied);

    testing_support::TestProgram windows;
    windows.registry.CreateKey(Hive::LocalMachine, core::kCurrentVersion);
    windows.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SystemRoot",
                              "C:\\WINDOWS", ValueType::String);
    windows.screens.Open<frnINI>(windows.context);
    EXPECT_EQ(windows.values.baseFolder, "C:\\WINDOWS");
}

TEST_F(StartUp, MainMenuCarriesEveryEntryWithItsCaptionAndToolTip) {
    Set(Hive::CurrentUser, "Tb", "0");
    frnINI& menu = program.screens.Open<frnINI>(program.context);
    EXPECT_EQ(menu.caption(), "Quarvel 2.0 - www.quarvel.com.br");
    EXPECT_EQ(menu.windowState(), forms::WindowState::Normal);
    for (const menus::MenuEntry& entry : menus::kMenuEntries) {
        forms::Control* label = menu.Find(std::string(entry.control));
        ASSERT_NE(label, nullptr) << entry.control;
        EXPECT_EQ(label->caption(), entry.caption);
        EXPECT_EQ(label->toolTip(), entry.toolTip);
        label->UserClick();  // opens its screen, or does nothing while it is not here yet
    }
    std::vector<std::string> frames;
    for (forms::Control* control : menu.controls())
        if (control->kind() == forms::ControlKind::Frame) frames.push_back(control->caption());
    EXPECT_EQ(frames, (std::vector<std::string>{"Sobre...", "Restrições", "Otimização",
                                                "Personalização", "Exportar configurações:",
                                                "Importar configurações:", "Opções do programa"}));
    EXPECT_TRUE(program.screens.IsOpen(menu)) << "the main menu stays open beneath";
}

TEST_F(StartUp, EntriesOfOneGroupDoNotOverlap) {
    frnINI& menu = program.screens.Open<frnINI>(program.context);
    for (auto& a : menu.entries)
        for (auto& b : menu.entries) {
            if (a == b) continue;
            const auto &ra = a->rect(), &rb = b->rect();
            bool apart = ra.x + ra.width <= rb.x || rb.x + rb.width <= ra.x ||
                         ra.y + ra.height <= rb.y || rb.y + rb.height <= ra.y;
            EXPECT_TRUE(apart) << a->name() << " overlaps " << b->name();
        }
}

}  // namespace
