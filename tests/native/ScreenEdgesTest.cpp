// What the screens' tables do not walk: values another tool left, writes
// Windows refuses, values longer than their box, text Windows cannot store.
#include <gtest/gtest.h>

#include <fstream>

#include "optimization/frmOtiD.h"
#include "optimization/frmOtiIE.h"
#include "optimization/frmOtiS.h"
#include "options/frmIniOpt.h"
#include "options/frmPWDOPT.h"
#include "personalization/frmNovo.h"
#include "personalization/frmPersDesk.h"
#include "personalization/frmPersIE.h"
#include "restrictions/frmRestE.h"
#include "restrictions/PolicyScreens.h"
#include "restrictions/frmRestF.h"
#include "restrictions/frmWizrd2.h"
#include "tests/support/ScreenTables.h"
#include "tests/support/ScreenVerbs.h"

namespace {

using namespace testing_support;
using namespace testing_support::screens;
using Messages = std::vector<ShownMessage>;

// clang-format off
const Opener PersDesk = OpenScreen<personalization::frmPersDesk>, PersIE = OpenScreen<personalization::frmPersIE>,
    Novo = OpenScreen<personalization::frmNovo>, OtiD = OpenScreen<optimization::frmOtiD>,
    OtiIE = OpenScreen<optimization::frmOtiIE>, OtiS = OpenScreen<optimization::frmOtiS>,
    IniOpt = OpenScreen<options::frmIniOpt>, PwdOpt = OpenScreen<options::frmPWDOPT>,
    RestE = OpenScreen<restrictions::frmRestE>, RestF = OpenScreen<restrictions::frmRestF>,
    Wizrd2 = OpenScreen<restrictions::frmWizrd2>, RestS = OpenScreen<restrictions::frmRestS>;
// clang-format on

class ScreenEdges : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* key : {kWinlogon, kCurrentVersion, kBrowserMain})
            registry.CreateKey(HKLM, key);
        for (const char* key : {kBrowserMain, kMail4, kMetrics}) registry.CreateKey(HKCU, key);
        PutText(registry, HKCU, "Identities", "Default User ID", "{ID-1}");
        program.values.baseFolder = program.Folder();
    }
    Messages Run(forms::Form& form, std::initializer_list<const char*> commands) {
        return RunCommands(program, form, commands);
    }
    ::testing::AssertionResult Has(Hive hive, const char* key, const char* name,
                                   const std::string& text) {
        return HasValue(registry, hive, key, name, text);
    }
    TestProgram program;
    RegistryAccess& registry = program.registry;
};

TEST_F(ScreenEdges, ChoicesShowOnlyForTheExactStoredText) {
    // clang-format off
    const struct { Opener open; const char* on; Stored stored; bool shown, number = false; } rows[] = {
        {OtiD, "Label7", {HKCU, kControlDesktop, "MenuShowDelay", "00"}, false},
        {OtiD, "Label2", {HKCU, kMetrics, "MinAnimate", " 1"}, true}, {OtiD, "Label2", {HKCU, kMetrics, "MinAnimate", "1"}, true, true},
        {OtiD, "Label2", {HKCU, kMetrics, "MinAnimate", "2"}, false}, {OtiD, "Label2", {HKCU, kMetrics, "MinAnimate", "sim"}, false},
        {OtiD, "Label2", {HKCU, kMetrics, "MinAnimate", "99999999999"}, false}, {OtiD, "Label2", {HKCU, kMetrics, "MinAnimate", ""}, false},
        {PersIE, "Label14", {HKCU, kBrowserMain, "Use FormSuggest", "1"}, false, true},
        {PersDesk, "Label8", {HKCU, kExplorerAdvanced, "StartMenuScrollPrograms", "YES "}, false},
        {OtiS, "Option1", {HKLM, kTemplates, "", "server"}, false},
        {IniOpt, "Label5", {HKLM, kCurrentVersion, "SYSNOT2", "01"}, false},
    };
    // clang-format on
    for (const auto& [open, on, v, shown, number] : rows) {
        number ? PutNumber(registry, v.hive, v.key, v.name, std::atoi(v.data))
               : PutText(registry, v.hive, v.key, v.name, v.data);
        EXPECT_EQ(ShowsChosen(*open(program).Find(on)), shown) << v.name << " '" << v.data << "'";
    }
}

TEST_F(ScreenEdges, TextWindowsCannotStoreIsRefusedOnEveryOtherBox) {
    // clang-format off
    const struct { Opener open; const char *box, *command, *subject; Stored untouched; } rows[] = {
        {PersDesk, "Text4", "Label7", "A mensagem de logon", {HKLM, kWinlogon, "LegalNoticeText"}},
        {PersIE, "Text29", "Label18", "A página inicial", {HKCU, kBrowserMain, "Start Page"}},
        {PersIE, "Text11", "Label22", "O título do Outlook Express", {HKCU, kMail4, "WindowTitle"}},
        {RestE, "Text1", "Text1", "O nome do executável", {HKCU, kAllowList, "6"}},
        {RestF, "Text1", "Label4", "A lista de pastas/janelas", {HKLM, kRun, "TvalueT"}},
    };
    // clang-format on
    for (const auto& [open, box, command, subject, untouched] : rows) {
        forms::Form& form = open(program);
        TextBoxOf(form, box).UserType("jogo☃.exe");
        EXPECT_EQ(Run(form, {command}).at(0), Unstorable(subject, "☃"));
        EXPECT_TRUE(Holds(registry, program.registryApi, untouched));
    }
    EXPECT_FALSE(program.files.Exists(program.values.baseFolder + "\\restt.qvn"));

    // An icon path is asked again, as typed.
    program.dialogs.promptAnswers = {"C:\\pasta☃.ico", "C:\\pasta.ico"};
    auto& icons = static_cast<personalization::frmNovo&>(Novo(program));
    program.dialogs.messages.clear();
    icons.wells[3]->UserClick();
    EXPECT_EQ(program.dialogs.prompts.size(), 2u);
    EXPECT_EQ(program.dialogs.messages, Messages{Unstorable("O caminho do ícone", "☃")});
    EXPECT_EQ(icons.pendingPath(3), "C:\\pasta.ico");
}

TEST_F(ScreenEdges, ALongerStoredValueShowsItsBeginningOnceAndStaysUntilReplaced) {
    std::string notice = "Início\r\n" + std::string(300000, 'x');
    PutText(registry, HKLM, kWinlogon, "LegalNoticeText", notice);
    forms::Form& screen = PersDesk(program);
    EXPECT_EQ(TextBoxOf(screen, "Text4").text(), "Início\r\n" + std::string(2040, 'x'));
    EXPECT_EQ(program.dialogs.messages,
              (Messages{{"Textos guardados maiores do que esta tela mostra:\r\n- o conteúdo da "
                         "mensagem de logon: 300008 caracteres (máximo 2048)\r\nSó o começo "
                         "aparece aqui; o que está guardado fica como está até você escrever "
                         "outro texto no lugar.",
                         "Aviso", 48}}));
    TextBoxOf(screen, "Text3").UserType("Título");
    Run(screen, {"Label7", "Label2", "Label7"});  // removed, then written again whole
    EXPECT_TRUE(Has(HKLM, kWinlogon, "LegalNoticeText", notice));
    EXPECT_TRUE(Has(HKLM, kWinlogon, "LegalNoticeCaption", "Título"));
    TextBoxOf(screen, "Text4").UserType(std::string(2049, 'y'));
    EXPECT_EQ(Run(screen, {"Label7"}),
              (Messages{{"O conteúdo da mensagem de logon tem 2049 caracteres; o máximo é 2048. "
                         "Nada foi gravado.",
                         "Erro", 16}}));
    EXPECT_TRUE(Has(HKLM, kWinlogon, "LegalNoticeText", notice));
    TextBoxOf(screen, "Text4").UserType(std::string(2048, 'y'));  // the limit itself fits
    EXPECT_EQ(Run(screen, {"Label7"}).at(0).style, 64);
    EXPECT_TRUE(Has(HKLM, kWinlogon, "LegalNoticeText", std::string(2048, 'y')));
    registry.DeleteValue(HKLM, kWinlogon, "LegalNoticeText");

    // Every box filled from the registry has its limit.
    // clang-format off
    const struct { Opener open; const char* box; Stored value; std::size_t limit; } rows[] = {
        {PersDesk, "Text3", {HKLM, kWinlogon, "LegalNoticeCaption"}, 255},
        {PersIE, "Text10", {HKCU, kBrowserMain, "Window Title"}, 255},
        {PersIE, "Text29", {HKCU, kBrowserMain, "Start Page"}, 2083},
        {OtiIE, "Text1", {HKCU, kBrowserMain, "Save Directory"}, 260},
    };
    // clang-format on
    for (const auto& [open, box, v, limit] : rows)
        for (std::size_t over : {0, 1}) {  // the limit fits, one more does not
            PutText(registry, v.hive, v.key, v.name, std::string(limit + over, 'z'));
            program.dialogs.messages.clear();
            EXPECT_EQ(TextBoxOf(open(program), box).text().size(), limit) << v.name;
            EXPECT_EQ(program.dialogs.messages.size(), over) << v.name;
            registry.DeleteValue(v.hive, v.key, v.name);
        }
    std::string names(600000, 'n');  // a block list of one long line, kept whole
    program.files.WriteText(program.values.baseFolder + "\\restt.qvn", names);
    forms::Form& blocking = RestF(program);
    EXPECT_EQ(TextBoxOf(blocking, "Text1").text(), names.substr(0, 524288));
    Run(blocking, {"Label4"});
    EXPECT_EQ(program.files.ReadLines(program.values.baseFolder + "\\restt.qvn")->at(1), names);
}

TEST_F(ScreenEdges, KeysAndFoldersThatMayBeMissingAreFoundMadeOrNamed) {
    registry.CreateKey(HKLM, kNtWinlogon);
    forms::Form& screen = PersDesk(program);
    TextBoxOf(screen, "Text3").UserType("Aviso");
    EXPECT_EQ(Run(screen, {"Label7"}).at(0), kNoticeCreated);
    EXPECT_TRUE(Has(HKLM, kWinlogon, "LegalNoticeCaption", "Aviso"));
    EXPECT_TRUE(IsAbsent(registry, HKLM, kNtWinlogon, "LegalNoticeCaption"));
    registry.DeleteKey(HKLM, kWinlogon);
    registry.DeleteKey(HKLM, kNtWinlogon);
    EXPECT_EQ(Run(screen, {"Label7"}),
              (Messages{{"Não foi possível gravar a mensagem de logon: este Windows não tem a "
                         "chave Winlogon onde a mensagem é lida.",
                         "Erro", 16}}));
    EXPECT_TRUE(KeyIsAbsent(registry, HKLM, kNtWinlogon));
    EXPECT_TRUE(KeyIsAbsent(registry, HKLM, kWinlogon));
    // A fresh profile has no Explorer\Advanced: "Rolagem" creates it.
    EXPECT_TRUE(Run(PersDesk(program), {"Label8"}).empty());
    EXPECT_TRUE(Has(HKCU, kExplorerAdvanced, "StartMenuScrollPrograms", "YES"));
    // The NT family has no FS Templates key either: nothing stored, and said so.
    EXPECT_EQ(Run(OtiS(program), {"Label6"}),
              (Messages{{"Não foi possível gravar o cache do disco rígido: a chave "
                         "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates não existe "
                         "neste Windows.",
                         "Erro", 16}}));
    // Where SystemRoot names the Windows folder, the open-with verb runs from it.
    PutText(registry, HKLM, kCurrentVersion, "SystemRoot", "C:\\WINDOWS");
    Run(OtiD(program), {"Label4"});
    EXPECT_TRUE(
        Has(HKCR, kOpenWithCommand, "", "C:\\WINDOWS\\rundll32.exe shell32.dll,OpenAs_RunDLL %1"));
}

TEST_F(ScreenEdges, ARefusedWriteNeverEndsInSuccessNorMovesAChoice) {
    // clang-format off
    // box: typed into (or ticked) first, when given; says: how the message starts
    const struct { Opener open; const char* box; std::initializer_list<const char*> commands;
                   const char* says = "Não foi possível gravar"; } rows[] = {
        {PersDesk, "Text3", {"Label7"}}, {PersDesk, nullptr, {"Label8"}},
        {PersIE, "Text10", {"Label23"}}, {PersIE, nullptr, {"Label18"}}, {PersIE, nullptr, {"Label8"}},
        {Novo, nullptr, {"Label45"}}, {OtiD, nullptr, {"Label7"}}, {OtiD, nullptr, {"Label2"}},
        {OtiD, nullptr, {"Label4"}}, {OtiIE, nullptr, {"Label17"}}, {OtiIE, nullptr, {"Label3", "Label6"}},
        {OtiS, nullptr, {"Label6"}}, {IniOpt, nullptr, {"Label5"}}, {PwdOpt, "Text2", {"Label3"}},
        {RestE, "Text1", {"Text1", "Label5"}}, {RestE, nullptr, {"Label4"}}, {RestF, "Text1", {"Label4"}},
        {Wizrd2, "Check1", {"Label3"}}, {RestS, "CheckS1", {"Label1"},
         "Não foi possível gravar as restrições NoFolderOptions, NoDeletePrinter, NoAddPrinter"},
    };
    // clang-format on
    registry.CreateKey(HKLM, kTemplates);
    PutNumber(registry, HKCU, kExplorer, "RestrictRun", 1);
    for (const auto& [open, box, commands, says] : rows) {
        forms::Form& form = open(program);
        const char* last = *(commands.end() - 1);
        SCOPED_TRACE(form.name() + " " + last);
        if (forms::Control* control = box ? form.Find(box) : nullptr)
            control->kind() == forms::ControlKind::CheckBox
                ? control->UserClick()
                : TextBoxOf(form, box).UserType("texto");
        bool chosen = ShowsChosen(*form.Find(last));
        program.registryApi.DenyWrites(true);
        Messages shown = Run(form, commands);
        program.registryApi.DenyWrites(false);
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back(), (ShownMessage{shown.back().text, "Erro", 16}));
        EXPECT_TRUE(shown.back().text.starts_with(says)) << shown.back().text;
        EXPECT_EQ(ShowsChosen(*form.Find(last)), chosen) << "the choice moved";
    }
    EXPECT_EQ(program.registryApi.OpenHandles(), 0u);
}

TEST_F(ScreenEdges, IconsPickedWithoutPreviewOrCancelledAreStoredAsPicked) {
    registry.CreateKey(HKLM, kRun);
    PutText(registry, HKLM, kCurrentVersion, "SystemRoot", program.Folder());
    auto& screen = static_cast<personalization::frmNovo&>(Novo(program));
    program.dialogs.promptAnswers = {"C:\\Icones\\cd.ico", std::nullopt,
                                     "%SystemRoot%\\system32\\shell32.dll,4"};
    for (const char* pick : {"Number41", "Picture5", "Picture3"}) screen.Find(pick)->UserClick();
    ASSERT_EQ(program.dialogs.messages.size(), 1u) << "a path without preview is told";
    EXPECT_EQ(screen.wells[2]->picture(), "");
    EXPECT_EQ(screen.wells[40]->picture(), "C:\\Icones\\cd.ico");
    Run(screen, {"Label44"});  // the missing key is created
    EXPECT_TRUE(Has(HKLM, kShellIcons, "40", "C:\\Icones\\cd.ico"));
    EXPECT_TRUE(Has(HKLM, kShellIcons, "4", ""));
    EXPECT_TRUE(Has(HKLM, kShellIcons, "2", "%SystemRoot%\\system32\\shell32.dll,4"));
    // Both "Limpar Cache" and "Desfazer" delete a protected cache; only the
    // first has limpaico run at the next start.
    std::string cache = program.Folder() + "\\ShellIconCache";
    for (const char* command : {"Label46", "Label45"}) {
        std::ofstream(platform::PathFromUtf8(cache)) << "x";
        program.files.SetAttributes(cache, 1 | 2 | 4);
        EXPECT_EQ(Run(screen, {command}).size(), 1u);
        EXPECT_FALSE(program.files.Exists(cache)) << command;
        EXPECT_EQ(registry.ValueExists(HKLM, kRun, "DelIconCache"),
                  std::string(command) == "Label45");
    }
    EXPECT_EQ(StoredBytes(program.registryApi, HKLM, kRun, "DelIconCache"),
              std::string("\"") + program.Folder() + "\\limpaico.exe\"" + std::string(1, '\0'));
    EXPECT_EQ(screen.wells[40]->picture(), "C:\\Icones\\cd.ico");
    Run(screen, {"Label47"});
    EXPECT_EQ(screen.wells[40]->picture(), "");
}

// The lock code: what another tool may have stored, and writes Windows refuses.
TEST_F(ScreenEdges, TheLockCodeIsReadAsTheGateReadsItAndARefusedWriteKeepsTheOldOne) {
    auto apply = [&](const std::string& current, const std::string& next) {
        forms::Form& screen = PwdOpt(program);
        TextBoxOf(screen, "Text1").UserType(current);
        TextBoxOf(screen, "Text2").UserType(next);
        return Run(screen, {"Label3"});
    };
    PutNumber(registry, HKLM, kCurrentVersion, "SYSNOT", 5);
    EXPECT_EQ(apply("x", ""), Messages{kCodeWrong});
    program.registryApi.DenyWrites(true);
    EXPECT_EQ(apply("5", "seis"),
              (Messages{{"Não foi possível gravar o código-trava: o Windows recusou a gravação "
                         "(erro 5). O código anterior continua valendo.",
                         "Erro", 16}}));
    program.registryApi.DenyWrites(false);
    EXPECT_EQ(TypeOf(program.registryApi, HKLM, kCurrentVersion, "SYSNOT"), 4u) << "still a number";
    EXPECT_TRUE(Has(HKLM, kCurrentVersion, "SYSNOT", "5"));
    EXPECT_EQ(apply("5", "seis").at(0).title, "Sucesso");
    // The new code stored cut short, and putting the old one back refused as well.
    program.registryApi.cutNextWrite = 2;  // "sete\0" stored as "set"
    program.registryApi.allowedWrites = 1;
    EXPECT_EQ(apply("seis", "sete"),
              (Messages{{"Não foi possível gravar o código-trava: o código gravado não é lido de "
                         "volta como foi digitado, e o código anterior não pôde ser reposto. "
                         "Defina o código-trava de novo antes de sair.",
                         "Erro", 16}}));
    program.registryApi.allowedWrites = -1;
    // Binary data counts as no code, as at the gate; a long code is stored whole.
    PutBytes(program.registryApi, HKLM, kCurrentVersion, "SYSNOT", 3, std::string("\xff\0\x07", 3));
    std::string code(100000, 'x');
    EXPECT_EQ(apply("", code), Messages{kCodeSet});
    forms::Form& screen = PwdOpt(program);
    TextBoxOf(screen, "Text2").UserType("outro");
    EXPECT_TRUE(Run(screen, {"Label4"}).empty());
    EXPECT_EQ(program.screens.Find<options::frmPWDOPT>(), nullptr) << "Cancelar closes it";
    EXPECT_TRUE(Has(HKLM, kCurrentVersion, "SYSNOT", code));
}

}  // namespace
