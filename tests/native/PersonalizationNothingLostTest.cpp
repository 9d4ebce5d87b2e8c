// What no screen may lose silently: text Windows cannot store, stored
// values longer than their box, and writes that did not happen.
#include <gtest/gtest.h>

#include "optimization/frmOtiD.h"
#include "optimization/frmOtiIE.h"
#include "optimization/frmOtiS.h"
#include "options/frmIniOpt.h"
#include "options/frmPWDOPT.h"
#include "personalization/frmNovo.h"
#include "personalization/frmPersDesk.h"
#include "personalization/frmPersIE.h"
#include "restrictions/frmRestE.h"
#include "restrictions/frmRestF.h"
#include "restrictions/frmWizrd2.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/ScreenVerbs.h"
#include "tests/support/TestProgram.h"

namespace {

using namespace testing_support;
using Messages = std::vector<ShownMessage>;

constexpr Hive HKLM = Hive::LocalMachine;
constexpr Hive HKCU = Hive::CurrentUser;
constexpr std::string_view k9x = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
constexpr std::string_view kNt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr std::string_view kMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr std::string_view kMail4 = "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express\\4.0";
constexpr std::string_view kVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kAllowList =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun";
constexpr std::string_view kExplorerPolicy =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr std::string_view kAdvanced =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
constexpr char kSnowman[] = "Aviso ☃ € Ω";

using Opener = forms::Form& (*)(TestProgram&);
template <class Screen>
forms::Form& OpenScreen(TestProgram& program) {
    return program.screens.Open<Screen>(program.context);
}

class NothingLost : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto [hive, key] : {std::pair{HKLM, k9x},
                                 {HKCU, kMain},
                                 {HKCU, kMail4},
                                 {HKLM, kVersion},
                                 {HKCU, kVersion}})
            program.registry.CreateKey(hive, key);
        PutText(program.registry, HKCU, "Identities", "Default User ID", "{ID-1}");
        program.values.baseFolder = program.Folder();
    }
    forms::TextBox& Box(forms::Form& form, const char* name) { return TextBoxOf(form, name); }
    Messages Run(forms::Form& form, std::initializer_list<const char*> commands) {
        return RunCommands(program, form, commands);
    }
    TestProgram program;
};

TEST_F(NothingLost, TextWindowsCannotStoreIsRefusedOnEveryStoredBox) {
    struct Row {
        Opener open;
        const char* box;
        std::initializer_list<const char*> commands;
        std::string subject;
        Hive hive;
        std::string_view key;
        const char* value;
    } rows[] = {
        {OpenScreen<personalization::frmPersDesk>,
         "Text3",
         {"Label7"},
         "A mensagem de logon",
         HKLM,
         k9x,
         "LegalNoticeCaption"},
        {OpenScreen<personalization::frmPersDesk>,
         "Text4",
         {"Label7"},
         "A mensagem de logon",
         HKLM,
         k9x,
         "LegalNoticeText"},
        {OpenScreen<personalization::frmPersIE>,
         "Text10",
         {"Label23"},
         "O título do Internet Explorer",
         HKCU,
         kMain,
         "Window Title"},
        {OpenScreen<personalization::frmPersIE>,
         "Text29",
         {"Label18"},
         "A página inicial",
         HKCU,
         kMain,
         "Start Page"},
        {OpenScreen<personalization::frmPersIE>,
         "Text11",
         {"Label22"},
         "O título do Outlook Express",
         HKCU,
         kMail4,
         "WindowTitle"},
        {OpenScreen<optimization::frmOtiIE>,
         "Text1",
         {"Label17"},
         "O diretório de salvamento",
         HKCU,
         kMain,
         "Save Directory"},
        {OpenScreen<options::frmPWDOPT>,
         "Text2",
         {"Label3"},
         "O código-trava",
         HKLM,
         kVersion,
         "SYSNOT"},
        {OpenScreen<restrictions::frmRestE>,
         "Text1",
         {"Text1", "Label5"},
         "O nome do executável",
         HKCU,
         kAllowList,
         "6"},
        {OpenScreen<restrictions::frmRestF>,
         "Text1",
         {"Label4"},
         "A lista de pastas/janelas",
         HKLM,
         kRun,
         "TvalueT"},
    };
    for (const Row& row : rows) {
        forms::Form& form = row.open(program);
        Box(form, row.box).UserType(kSnowman);
        Messages shown = Run(form, row.commands);
        ASSERT_FALSE(shown.empty()) << row.box;
        EXPECT_EQ(shown[0],
                  (ShownMessage{row.subject + " contém caracteres que o Windows não consegue "
                                              "gravar: ☃ Ω. Nada foi gravado: troque esses "
                                              "caracteres e tente de novo.",
                                "Erro", 16}))
            << form.name() << " " << row.box;
        EXPECT_TRUE(IsAbsent(program.registry, row.hive, row.key, row.value)) << row.box;
        EXPECT_EQ(Box(form, row.box).text(), kSnowman) << "left for the user to correct";
        form.Unload();
    }
    EXPECT_FALSE(program.files.Exists(program.values.baseFolder + "\\restt.qvn"));
}

TEST_F(NothingLost, AnIconPathWindowsCannotStoreIsAskedAgainAsTyped) {
    program.dialogs.promptAnswers = {"C:\\pasta☃.ico", "C:\\pasta.ico"};
    auto& screen = program.screens.Open<personalization::frmNovo>(program.context);
    screen.wells[3]->UserClick();
    EXPECT_EQ(program.dialogs.prompts.size(), 2u);
    EXPECT_TRUE(program.dialogs.messages.at(0).text.starts_with(
        "O caminho do ícone contém caracteres que o Windows não consegue gravar: ☃."));
    EXPECT_EQ(screen.pendingPath(3), "C:\\pasta.ico");
}

TEST_F(NothingLost, ALongerStoredNoticeShowsItsBeginningOnceAndStaysUntilReplaced) {
    std::string notice = "Início\r\n" + std::string(300000, 'x');
    PutText(program.registry, HKLM, k9x, "LegalNoticeText", notice);
    auto& screen = program.screens.Open<personalization::frmPersDesk>(program.context);
    EXPECT_EQ(screen.Text4.text(), "Início\r\n" + std::string(2040, 'x'));
    EXPECT_EQ(program.dialogs.messages,
              (Messages{{"Textos guardados maiores do que esta tela mostra:\r\n- o conteúdo da "
                         "mensagem de logon: 300008 caracteres (máximo 2048)\r\nSó o começo "
                         "aparece aqui; o que está guardado fica como está até você escrever "
                         "outro texto no lugar.",
                         "Aviso", 48}}));
    screen.Text3.UserType("Título");
    Run(screen, {"Label7"});
    EXPECT_TRUE(HasValue(program.registry, HKLM, k9x, "LegalNoticeText", notice));
    EXPECT_TRUE(HasValue(program.registry, HKLM, k9x, "LegalNoticeCaption", "Título"));
    Run(screen, {"Label2", "Label7"});  // removed, then written again whole
    EXPECT_TRUE(HasValue(program.registry, HKLM, k9x, "LegalNoticeText", notice));
    screen.Text4.UserType(std::string(2049, 'y'));
    EXPECT_EQ(Run(screen, {"Label7"}),
              (Messages{{"O conteúdo da mensagem de logon tem 2049 caracteres; o máximo é 2048. "
                         "Nada foi gravado.",
                         "Erro", 16}}));
    screen.Text4.UserType("Novo");
    Run(screen, {"Label7"});
    EXPECT_TRUE(HasValue(program.registry, HKLM, k9x, "LegalNoticeText", "Novo"));
}

TEST_F(NothingLost, EveryTextBoxFilledFromTheRegistryHasItsLimit) {
    struct Row {
        Opener open;
        const char* box;
        std::string_view key;
        const char* value;
        std::size_t limit;
    } rows[] = {
        {OpenScreen<personalization::frmPersDesk>, "Text3", k9x, "LegalNoticeCaption", 255},
        {OpenScreen<personalization::frmPersIE>, "Text10", kMain, "Window Title", 255},
        {OpenScreen<personalization::frmPersIE>, "Text29", kMain, "Start Page", 2083},
        {OpenScreen<optimization::frmOtiIE>, "Text1", kMain, "Save Directory", 260},
    };
    for (const Row& row : rows) {
        Hive hive = row.key == k9x ? HKLM : HKCU;
        PutText(program.registry, hive, row.key, row.value, std::string(row.limit + 1, 'z'));
        program.dialogs.messages.clear();
        forms::Form& form = row.open(program);
        EXPECT_EQ(Box(form, row.box).text().size(), row.limit) << row.value;
        EXPECT_EQ(program.dialogs.messages.size(), 1u) << row.value;
        form.Unload();
        program.registry.DeleteValue(hive, row.key, row.value);
    }
    std::string names(600000, 'n');  // a block list of one long line, kept whole
    program.files.WriteText(program.values.baseFolder + "\\restt.qvn", names);
    auto& blocking = program.screens.Open<restrictions::frmRestF>(program.context);
    EXPECT_EQ(blocking.Text1.text(), names.substr(0, 524288));
    blocking.Label4.UserClick();
    EXPECT_EQ(program.files.ReadLines(program.values.baseFolder + "\\restt.qvn")->at(1), names);
}

TEST_F(NothingLost, TheNoticeGoesWhereTheRunningWindowsReadsIt) {
    program.registry.DeleteKey(HKLM, k9x);
    program.registry.CreateKey(HKLM, kNt);
    auto& screen = program.screens.Open<personalization::frmPersDesk>(program.context);
    screen.Text3.UserType("Aviso");
    screen.Text4.UserType("Texto");
    EXPECT_EQ(Run(screen, {"Label7"}).at(0).title, "Quarvel");
    EXPECT_TRUE(HasValue(program.registry, HKLM, kNt, "LegalNoticeCaption", "Aviso"));
    EXPECT_TRUE(HasValue(program.registry, HKLM, kNt, "LegalNoticeText", "Texto"));
    EXPECT_TRUE(KeyIsAbsent(program.registry, HKLM, k9x));
    screen.Unload();
    auto& again = program.screens.Open<personalization::frmPersDesk>(program.context);
    EXPECT_EQ(again.Text4.text(), "Texto");
    EXPECT_EQ(Run(again, {"Label2"}).at(0).text, "A Mensagem foi removida com sucesso");
    EXPECT_TRUE(IsAbsent(program.registry, HKLM, kNt, "LegalNoticeText"));

    program.registry.DeleteKey(HKLM, kNt);
    EXPECT_EQ(Run(again, {"Label7"}),
              (Messages{{"Não foi possível gravar a mensagem de logon: este Windows não tem a "
                         "chave Winlogon onde a mensagem é lida.",
                         "Erro", 16}}));
    EXPECT_TRUE(KeyIsAbsent(program.registry, HKLM, kNt));
    EXPECT_TRUE(KeyIsAbsent(program.registry, HKLM, k9x));
}

TEST_F(NothingLost, TheStartMenuChoiceCreatesItsMissingKey) {
    auto& screen = program.screens.Open<personalization::frmPersDesk>(program.context);
    ASSERT_TRUE(KeyIsAbsent(program.registry, HKCU, kAdvanced));
    screen.startMenu.on.UserClick();
    EXPECT_TRUE(HasValue(program.registry, HKCU, kAdvanced, "StartMenuScrollPrograms", "YES"));
    EXPECT_EQ(screen.startMenu.on.backColor(), forms::SysColor::Highlight);
}

TEST_F(NothingLost, ARefusedWriteNeverEndsInSuccess) {
    struct Row {
        Opener open;
        const char* box;  // typed into (or ticked) first, when given
        std::initializer_list<const char*> commands;
    } rows[] = {
        {OpenScreen<personalization::frmPersDesk>, "Text3", {"Label7"}},
        {OpenScreen<personalization::frmPersDesk>, nullptr, {"Label8"}},
        {OpenScreen<personalization::frmPersIE>, "Text10", {"Label23"}},
        {OpenScreen<personalization::frmPersIE>, nullptr, {"Label18"}},
        {OpenScreen<personalization::frmPersIE>, nullptr, {"Label8"}},
        {OpenScreen<optimization::frmOtiIE>, nullptr, {"Label17"}},
        {OpenScreen<optimization::frmOtiIE>, nullptr, {"Label3", "Label6"}},
        {OpenScreen<optimization::frmOtiS>, nullptr, {"Label6"}},
        {OpenScreen<options::frmIniOpt>, nullptr, {"Label5"}},
        {OpenScreen<options::frmPWDOPT>, "Text2", {"Label3"}},
        {OpenScreen<restrictions::frmRestE>, "Text1", {"Text1", "Label5"}},
        {OpenScreen<restrictions::frmRestE>, nullptr, {"Label4"}},
        {OpenScreen<restrictions::frmRestF>, "Text1", {"Label4"}},
        {OpenScreen<restrictions::frmWizrd2>, "Check1", {"Label3"}},
        {OpenScreen<personalization::frmNovo>, nullptr, {"Label45"}},
    };
    PutNumber(program.registry, HKCU, kExplorerPolicy, "RestrictRun", 1);
    for (const Row& row : rows) {
        forms::Form& form = row.open(program);
        if (forms::Control* box = row.box ? form.Find(row.box) : nullptr)
            box->kind() == forms::ControlKind::CheckBox ? box->UserClick()
                                                        : Box(form, row.box).UserType("texto");
        program.registryApi.DenyWrites(true);
        Messages shown = Run(form, row.commands);
        program.registryApi.DenyWrites(false);
        ASSERT_FALSE(shown.empty()) << form.name() << " " << *row.commands.begin();
        EXPECT_EQ(shown.back().title, "Erro") << form.name() << " " << *row.commands.begin();
        EXPECT_TRUE(shown.back().text.starts_with("Não foi possível gravar")) << shown.back().text;
        form.Unload();
    }
}

}  // namespace
