// The lock-code gate, the main menu, the wizard menu and its chooser: every
// entry with its words as the user reads them, and what a click on it opens.
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
// What the import entries do: read a configuration file, here one that sets
// the lock code, and say so.
constexpr char kImportsFloppy[] = "import A:\\config.qvc";
constexpr char kImportsChosen[] = "import the chosen file";
const ShownMessage kImported{"Configurações importadas com sucesso", "Quarvel²", 64};

struct MainMenuRow {
    const char *control, *frame, *caption, *toolTip, *opens;
};
const MainMenuRow kMainMenu[] = {
    {"Label9", "Restrições", "Executáveis",
     "Abre a página de restrições de Executávies do tipo *.exe, *.com, *.bat e *.pif", "frmRestE"},
    {"Label8", "Restrições", "Sistema",
     "Abre a página de restrições dos componentes de sistema do Windows", "frmRestS"},
    {"Label7", "Restrições", "Desktop",
     "Abre a página de restrições para os componentes do Desktop do Windows", "frmRestD"},
    {"Label6", "Restrições", "Explorer",
     "Abre a página de restrições dos componentes Explorer do Windows", "frmRestEx"},
    {"Label5", "Restrições", "Pastas/Janelas",
     "Abre a página de restrições de Diretórios e janelas do Windows", "frmRestF"},
    {"Label15", "Otimização", "Sistema", "Abre a página de opções para a otmização do sistema",
     "frmOtiS"},
    {"Label14", "Otimização", "Desktop",
     "Abre a página de opções para a otmização do Desktop( Área de trabalho )", "frmOtiD"},
    {"Label13", "Otimização", "Internet Explorer",
     "Abre a página de opções para a otmização do Internet Explorer e Outlook Express", "frmOtiIE"},
    {"Label18", "Personalização", "Ícones",
     "Abre a página de opções para a personalização dos ícones do computador", "frmNovo"},
    {"Label17", "Personalização", "Desktop",
     "Abre a página de opções para a personalização do Desktop (Área de trabalho)", "frmPersDesk"},
    {"Label16", "Personalização", "Internet Explorer",
     "Abre a página de opções para a personalização do Internet Explorer e Outlook Express",
     "frmPersIE"},
    {"Label23", "Exportar configurações:", "Abrir o assistente...",
     "Abre a página com um assistente para exportar as configurações atuais para outro software "
     "Quarvel",
     "frmWizrd"},
    {"Label24", "Importar configurações:", "Importar do disquete",
     "Importa as configurações de outro Quarvel a partir de um disquete", kImportsFloppy},
    {"Label25", "Importar configurações:", "Outros locais...",
     "Importa as configurações de outro Quarvel em um local específico", kImportsChosen},
    {"Label26", "Opções do programa", "Inicialização",
     "Escolhe os parâmetros de inicialização do software Quarvel", "frmIniOpt"},
    {"Label19", "Opções do programa", "Alterar Senha",
     "Abre a página de senhas para alterar ou remover a senha ao iniciar o Quarvel", "frmPWDOPT"},
    {"Label1", "", "Clique aqui para abrir o assistente de configuração.", "", "frmWizrd3"},
};

struct WizardRow {
    const char *label, *icon, *caption, *opens;
};
const WizardRow kWizardMenu[] = {
    {"Label2", "Picture10",
     "Bloquear todos os arquivos executáveis, e atribuir permissões para alguns deles.",
     "frmRestE"},
    {"Label3", "Picture11",
     "Bloquear diversas áreas do Windows, impedindo o uso incorreto do Computador.", "frmEscR"},
    {"Label4", "Picture12",
     "Bloquear Pastas e Janelas do Windows, aumentando o poder de controle sobre o usuário.",
     "frmRestF"},
    {"Label5", "Picture7", "Personalizar os ícones do computador.", "frmNovo"},
    {"Label6", "Picture8", "Personalizar o Internet Explorer.", "frmPersIE"},
    {"Label7", "Picture9", "Personalizar a Área de Trabalho.", "frmPersDesk"},
    {"Label8", "Picture4", "Otimizar o Internet Explorer.", "frmOtiIE"},
    {"Label9", "Picture5", "Otimizar a Área de Trabalho.", "frmOtiD"},
    {"Label10", "Picture6", "Otimizar a performance do computador.", "frmOtiS"},
    {"Label11", "Picture16", "Importar configurações de outro Quarvel apartir do Disquete.",
     kImportsFloppy},
    {"Label12", "Picture15", "Importar configurações de outro Quarvel apartir da rede, outros...",
     kImportsChosen},
    {"Label13", "Picture14", "Exportar configurações atuais do Quarvel para outro computador.",
     "frmWizrd"},
    {"Label14", "Picture18", "Alterar a senha de entrada do Quarvel", "frmPWDOPT"},
    {"Label15", "Picture19", "Alterar as opções de inicialização do Quarvel", "frmIniOpt"},
};

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

    // What the click did: the screens it showed, or for an import entry,
    // whether it imported from the file it should.
    std::string Outcome(forms::Control& entry, const char* expected) {
        bool floppy = expected == std::string(kImportsFloppy);
        bool chosen = expected == std::string(kImportsChosen);
        if (!floppy && !chosen) {
            auto shown = ScreensShownBy(program, [&] { entry.UserClick(); });
            for (const std::string& name : shown) CloseScreen(program.screens, name);
            return shown.empty() ? "" : shown.front();
        }
        std::string path = floppy ? "A:\\config.qvc" : program.Folder() + "/outro.qvc";
        std::ofstream file(path, std::ios::binary);
        if (!(file << "QV09" << entry.name() << "\r\n")) return expected;  // no floppy drive here
        file.close();
        if (chosen) program.dialogs.fileAnswers.push_back(path);
        program.dialogs.messages.clear();
        program.dialogs.fileRequests.clear();
        entry.UserClick();
        if (floppy) std::remove(path.c_str());
        bool asked =
            program.dialogs.fileRequests.size() == 1 &&
            program.dialogs.fileRequests[0].title == "Abrir arquivo de configurações do Quarvel";
        bool imported =
            registry.GetValue(Hive::LocalMachine, kCurrentVersion, "SYSNOT") == entry.name() &&
            program.dialogs.messages == std::vector<ShownMessage>{kImported};
        return imported && asked == chosen ? expected : "no import";
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

TEST_F(Menus, TheMainMenuShowsEveryEntryAndOpensWhatItNames) {
    frnINI& menu = MainMenu();
    EXPECT_EQ(menu.caption(), "Quarvel 2.0 - www.quarvel.com.br");
    for (const MainMenuRow& row : kMainMenu) {
        SCOPED_TRACE(row.control);
        forms::Control* label = menu.Find(row.control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->caption(), row.caption);
        EXPECT_EQ(label->toolTip(), row.toolTip);
        EXPECT_EQ(FrameOf(menu, *label), row.frame);
        EXPECT_EQ(Outcome(*label, row.opens), row.opens);
    }
    EXPECT_TRUE(program.screens.IsOpen(menu)) << "the main menu stays open beneath";
    EXPECT_EQ(menu.windowState(), WindowState::Minimized) << "the wizard menu's entry minimises it";
}

TEST_F(Menus, TheWizardMenuShowsEveryEntryAndItsIconDoesTheSame) {
    frmWizrd3& wizard = WizardMenu();
    EXPECT_EQ(wizard.caption(), "Quarvel 2.0 - Assistente de Configurações");
    EXPECT_EQ(wizard.Label1.caption(), "O que você gostaria de fazer?");
    std::vector<std::string> headings;
    for (const auto& heading : wizard.headings) headings.push_back(heading->caption());
    EXPECT_EQ(headings,
              (std::vector<std::string>{
                  "Opções de Bloqueio:", "Personalizar o computador:", "Otimizar o Computador:",
                  "Importar/Exportar configurações:", "Opções do Quarvel"}));
    for (const WizardRow& row : kWizardMenu) {
        SCOPED_TRACE(row.label);
        forms::Control* label = wizard.Find(row.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->caption(), row.caption);
        for (forms::Control* clicked : {label, wizard.Find(row.icon)}) {
            ASSERT_NE(clicked, nullptr);
            EXPECT_EQ(Outcome(*clicked, row.opens), row.opens) << clicked->name();
        }
    }
    EXPECT_EQ(wizard.Find("Label16")->caption(), "Modo normal");
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
        EXPECT_EQ(Outcome(row.button, row.opens), row.opens);
    }
    EXPECT_EQ(program.renderer.broughtForward.back(), "frmRestS");
    EXPECT_TRUE(program.screens.IsOpen(*chooser)) << "the chooser stays open";
}

}  // namespace
