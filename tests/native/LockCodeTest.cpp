// The lock-code screen and the start-up options, over the in-memory registry.
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "options/frmIniOpt.h"
#include "options/frmPWDOPT.h"
#include "menus/frmpwd.h"
#include "menus/frnINI.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"

namespace {

using forms::SysColor;
using options::frmIniOpt;
using options::frmPWDOPT;
using testing_support::ShownMessage;
using Messages = std::vector<ShownMessage>;

const ShownMessage kConfigured{"Sua código-trava foi configurado com sucesso", "Sucesso", 64};
const ShownMessage kRemoved{"O código trava foi retirado do seu sistema", "Sucesso", 64};
const ShownMessage kChanged{"O código trava foi alterado com sucesso!", "Sucesso", 64};
const ShownMessage kWrong{"O código digitado está errado", "Erro", 64};

class LockCode : public ::testing::Test {
  protected:
    void SetUp() override {
        program.registry.CreateKey(Hive::LocalMachine, core::kCurrentVersion);
        program.registry.CreateKey(Hive::CurrentUser, core::kCurrentVersion);
    }
    void SetCode(const std::string& code) {
        program.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", code,
                                  ValueType::String);
    }
    // The stored code, or nothing when the value does not exist at all.
    std::optional<std::string> Code() {
        if (!program.registry.ValueExists(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT"))
            return std::nullopt;
        return program.registry.GetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT");
    }
    Messages Apply(const std::string& current, const std::string& next) {
        frmPWDOPT& screen = program.screens.Open<frmPWDOPT>(program.context);
        screen.Text1.UserType(current);
        screen.Text2.UserType(next);
        program.dialogs.messages.clear();
        screen.UserAccept();  // Enter is "Aplicar"
        return program.dialogs.messages;
    }

    testing_support::TestProgram program;
};

TEST_F(LockCode, WithoutACodeTheNewTextIsStoredWhateverTheCurrentBoxHolds) {
    EXPECT_EQ(Apply("anything", "Segredo"), Messages{kConfigured});
    EXPECT_EQ(Code(), "Segredo");
}

TEST_F(LockCode, WithoutACodeTwoEmptyBoxesStoreEmptyText) {
    EXPECT_EQ(Apply("", ""), Messages{kConfigured});
    EXPECT_EQ(Code(), "") << "written, not left missing";
}

TEST_F(LockCode, TheRightCodeAndAnEmptyNewBoxRemoveTheCodeButKeepTheValue) {
    SetCode("Segredo");
    EXPECT_EQ(Apply("Segredo", ""), Messages{kRemoved});
    EXPECT_EQ(Code(), "");
}

TEST_F(LockCode, ACurrentCodeThatDiffersEvenInLetterCaseChangesNothing) {
    SetCode("Segredo");
    EXPECT_EQ(Apply("segredo", ""), Messages{kWrong});
    EXPECT_EQ(Apply("Segred", "Outro"), Messages{kWrong});
    EXPECT_EQ(Code(), "Segredo");
}

TEST_F(LockCode, TheRightCodeAndANewOneChangeItAndTheBoxesStayAsTyped) {
    SetCode("Segredo");
    EXPECT_EQ(Apply("Segredo", "Novo código"), Messages{kChanged});
    EXPECT_EQ(Code(), "Novo código");
    auto* screen = program.screens.Find<frmPWDOPT>();
    ASSERT_NE(screen, nullptr) << "the screen stays open";
    EXPECT_EQ(screen->Text1.text(), "Segredo");
    EXPECT_EQ(screen->Text2.text(), "Novo código");
}

TEST_F(LockCode, CancelAndEscCloseWithoutWriting) {
    SetCode("Segredo");
    frmPWDOPT& screen = program.screens.Open<frmPWDOPT>(program.context);
    EXPECT_EQ(screen.caption(), "Controle de Senhas");
    EXPECT_EQ(screen.Text1.text(), "");
    EXPECT_TRUE(screen.Text1.style().password);
    EXPECT_TRUE(screen.Text2.style().password);
    screen.Text1.UserType("Segredo");
    screen.UserCancel();
    EXPECT_EQ(program.screens.Find<frmPWDOPT>(), nullptr);
    EXPECT_EQ(Code(), "Segredo");
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST_F(LockCode, AVeryLongCodeIsStoredWholeAndOpensTheGate) {
    std::string longCode(100000, 'x');
    longCode.back() = 'Y';
    EXPECT_EQ(Apply("", longCode), Messages{kConfigured});
    EXPECT_EQ(Code(), longCode);
    program.screens.Close<frmPWDOPT>();
    program.registry.SetValue(Hive::CurrentUser, core::kCurrentVersion, "Tb", "0",
                              ValueType::String);
    auto& gate = program.screens.Open<menus::frmpwd>(program.context);
    gate.Text1.UserType(longCode);
    gate.UserAccept();
    EXPECT_NE(program.screens.Find<menus::frnINI>(), nullptr);
}

TEST_F(LockCode, ACodeTheCodePageCannotHoldIsRefusedAndTheOldOneStays) {
    // Stored as "??", it could never be typed at the gate again.
    SetCode("Segredo");
    Messages shown = Apply("Segredo", "日本");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Erro");
    EXPECT_EQ(shown[0].style, 16);
    EXPECT_EQ(Code(), "Segredo");
    // Accented Portuguese letters are in the code page and work.
    EXPECT_EQ(Apply("Segredo", "Ação"), Messages{kChanged});
    EXPECT_EQ(Code(), "Ação");
}

TEST_F(LockCode, AWriteTheRegistryRefusesNamesWhyAndKeepsTheOldCodeAndItsType) {
    program.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", "5",
                              ValueType::Dword);
    program.registryApi.DenyWrites(true);
    EXPECT_EQ(Apply("5", "seis"),
              (Messages{{"Não foi possível gravar o código-trava: o Windows recusou a gravação "
                         "(erro 5). O código anterior continua valendo.",
                         "Erro", 16}}));
    program.registryApi.DenyWrites(false);
    auto stored = program.registry.Snapshot(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, 4u) << "still a REG_DWORD";
    EXPECT_EQ(Code(), "5");
}

TEST_F(LockCode, ACodeOfAnotherTypeIsReadAsTheGateReadsIt) {
    program.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", "5",
                              ValueType::Dword);
    EXPECT_EQ(Apply("x", ""), Messages{kWrong});
    EXPECT_EQ(Apply("5", "seis"), Messages{kChanged});
    EXPECT_EQ(Code(), "seis");

    // Binary data counts as no code, at the gate and here.
    platform::KeyHandle key = 0;
    program.registryApi.OpenKey(0x80000002u, std::string(core::kCurrentVersion), 0x3F, key);
    const std::uint8_t junk[] = {0xFF, 0, 7};
    program.registryApi.SetValue(key, "SYSNOT", 3, junk, sizeof junk);
    program.registryApi.CloseKey(key);
    EXPECT_EQ(Apply("", "novo"), Messages{kConfigured});
    EXPECT_EQ(Code(), "novo");
}

class StartUpOptions : public LockCode {
  protected:
    std::string Get(Hive hive, std::string_view name) {
        return program.registry.GetValue(hive, core::kCurrentVersion, name);
    }
    frmIniOpt& Open() { return program.screens.Open<frmIniOpt>(program.context); }
};

TEST_F(StartUpOptions, TheStoredAutoEntryIsHighlightedOnOpening) {
    frmIniOpt& screen = Open();
    EXPECT_EQ(screen.caption(), "Opções de Inicialização");
    EXPECT_EQ(screen.Label5.backColor(), SysColor::ButtonShadow);
    EXPECT_EQ(screen.Label6.backColor(), SysColor::Highlight) << "missing is off";
    screen.Unload();
    program.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT2", "1",
                              ValueType::String);
    frmIniOpt& again = Open();
    EXPECT_EQ(again.Label5.backColor(), SysColor::Highlight);
    EXPECT_EQ(again.Label6.backColor(), SysColor::ButtonShadow);
}

TEST_F(StartUpOptions, AutoEntryButtonsWriteAndSwapTheColours) {
    frmIniOpt& screen = Open();
    screen.Label5.UserClick();
    EXPECT_EQ(Get(Hive::LocalMachine, "SYSNOT2"), "1");
    EXPECT_EQ(screen.Label5.backColor(), SysColor::Highlight);
    EXPECT_EQ(screen.Label6.backColor(), SysColor::ButtonShadow);
    screen.Label6.UserClick();
    EXPECT_EQ(Get(Hive::LocalMachine, "SYSNOT2"), "0");
    EXPECT_EQ(screen.Label5.backColor(), SysColor::ButtonShadow);
    EXPECT_EQ(screen.Label6.backColor(), SysColor::Highlight);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST_F(StartUpOptions, NormalWritesZeroAndAssistenteRemovesTheMode) {
    frmIniOpt& screen = Open();
    screen.Label2.UserClick();  // "Assistente" with no Tb: nothing to remove, nothing said
    screen.Label3.UserClick();  // "Normal"
    EXPECT_EQ(Get(Hive::CurrentUser, "Tb"), "0");
    EXPECT_EQ(screen.Label2.backColor(), SysColor::None) << "the mode labels are not painted";
    screen.Label2.UserClick();
    EXPECT_TRUE(testing_support::IsAbsent(program.registry, Hive::CurrentUser,
                                          core::kCurrentVersion, "Tb"));
    EXPECT_TRUE(program.dialogs.messages.empty());
}

}  // namespace
