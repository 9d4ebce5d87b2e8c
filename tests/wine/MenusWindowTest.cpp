// Both menus through their real windows: every entry reads as the user
// should read it and opens the window it names; the imports read the floppy
// or the file chosen in the open dialog.
#include <gtest/gtest.h>

#include <fstream>

#include "menus/frmWizrd3.h"
#include "menus/frnINI.h"
#include "transfer/ConfigExport.h"
#include "tests/support/TransferVerbs.h"
#include "tests/wine/support/ScreenWindowDriver.h"

namespace {

using namespace testing_support;
using namespace wine_tests;

constexpr char kFloppy[] = "A:\\config.qvc";
constexpr char kChosen[] = "chosen";  // the file answered in the open dialog
constexpr char kUndo[] = "undo";      // the import just before is taken back
const ShownMessage kUndone{
    "A última importação foi desfeita: as configurações anteriores foram restauradas.", "Quarvel²",
    64};

struct Row {
    const char *control, *caption, *toolTip, *opens;  // opens: a window caption or an import
};
const Row kMainMenu[] = {
    {"Label9", "Executáveis",
     "Abre a página de restrições de Executávies do tipo *.exe, *.com, *.bat e *.pif",
     "Restrição de executáveis"},
    {"Label8", "Sistema", "Abre a página de restrições dos componentes de sistema do Windows",
     "Sistema"},
    {"Label7", "Desktop", "Abre a página de restrições para os componentes do Desktop do Windows",
     "Desktop"},
    {"Label6", "Explorer", "Abre a página de restrições dos componentes Explorer do Windows",
     "Explorer"},
    {"Label5", "Pastas/Janelas", "Abre a página de restrições de Diretórios e janelas do Windows",
     "Bloquear Pastas/Janelas"},
    {"Label15", "Sistema", "Abre a página de opções para a otmização do sistema", "Sistema"},
    {"Label14", "Desktop",
     "Abre a página de opções para a otmização do Desktop( Área de trabalho )", "Desktop"},
    {"Label13", "Internet Explorer",
     "Abre a página de opções para a otmização do Internet Explorer e Outlook Express",
     "Internet Explorer"},
    {"Label18", "Ícones", "Abre a página de opções para a personalização dos ícones do computador",
     "Alterar Ícones"},
    {"Label17", "Desktop",
     "Abre a página de opções para a personalização do Desktop (Área de trabalho)", "Desktop"},
    {"Label16", "Internet Explorer",
     "Abre a página de opções para a personalização do Internet Explorer e Outlook Express",
     "Internet Explorer"},
    {"Label23", "Abrir o assistente...",
     "Abre a página com um assistente para exportar as configurações atuais para outro software "
     "Quarvel",
     "Assistente de exportação"},
    {"Label24", "Importar do disquete",
     "Importa as configurações de outro Quarvel a partir de um disquete", kFloppy},
    {"Label25", "Outros locais...",
     "Importa as configurações de outro Quarvel em um local específico", kChosen},
    {"Label27", "Desfazer importação",
     "Desfaz a última importação, devolvendo as configurações que havia antes dela", kUndo},
    {"Label26", "Inicialização", "Escolhe os parâmetros de inicialização do software Quarvel",
     "Opções de Inicialização"},
    {"Label19", "Alterar Senha",
     "Abre a página de senhas para alterar ou remover a senha ao iniciar o Quarvel",
     "Controle de Senhas"},
    {"Label1", "Clique aqui para abrir o assistente de configuração.", "",
     "Quarvel 2.0 - Assistente de Configurações"},
};
// The wizard menu has no tool tips: the third column names each entry's icon.
const Row kWizardMenu[] = {
    {"Label2", "Bloquear todos os arquivos executáveis, e atribuir permissões para alguns deles.",
     "Picture10", "Restrição de executáveis"},
    {"Label3", "Bloquear diversas áreas do Windows, impedindo o uso incorreto do Computador.",
     "Picture11", "Escolha a área desejada"},
    {"Label4",
     "Bloquear Pastas e Janelas do Windows, aumentando o poder de controle sobre o usuário.",
     "Picture12", "Bloquear Pastas/Janelas"},
    {"Label5", "Personalizar os ícones do computador.", "Picture7", "Alterar Ícones"},
    {"Label6", "Personalizar o Internet Explorer.", "Picture8", "Internet Explorer"},
    {"Label7", "Personalizar a Área de Trabalho.", "Picture9", "Desktop"},
    {"Label8", "Otimizar o Internet Explorer.", "Picture4", "Internet Explorer"},
    {"Label9", "Otimizar a Área de Trabalho.", "Picture5", "Desktop"},
    {"Label10", "Otimizar a performance do computador.", "Picture6", "Sistema"},
    {"Label11", "Importar configurações de outro Quarvel apartir do Disquete.", "Picture16",
     kFloppy},
    {"Label12", "Importar configurações de outro Quarvel apartir da rede, outros...", "Picture15",
     kChosen},
    {"Label17", "Desfazer a última importação, voltando às configurações de antes.", "Picture17",
     kUndo},
    {"Label13", "Exportar configurações atuais do Quarvel para outro computador.", "Picture14",
     "Assistente de exportação"},
    {"Label14", "Alterar a senha de entrada do Quarvel", "Picture18", "Controle de Senhas"},
    {"Label15", "Alterar as opções de inicialização do Quarvel", "Picture19",
     "Opções de Inicialização"},
};

class MenusWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        kept.Set({Hive::CurrentUser, kCurrentVersion, "Tb", "0"});
        kept.Keep({Hive::LocalMachine, kCurrentVersion, "SYSNOT"});
    }
    void TearDown() override { DeleteFileA(chosen.c_str()); }
    // Everything the export can say of this computer.
    std::string Configuration() {
        std::vector<transfer::ExportGroup> all;
        for (const auto& group : transfer::kExportGroups) all.push_back(group.group);
        return transfer::CollectFile(real.program.context, all);
    }

    // Clicks the entry and tells what came of it: the caption of the window
    // it opened (closed again), the file it imported, or the import undone.
    std::string Outcome(HWND entry, const std::string& expected) {
        if (expected != kFloppy && expected != kChosen && expected != kUndo) {
            Click(entry);
            real.Pump();
            HWND opened = FindTopLevel(expected, 0, 1000);
            if (!opened) return "nothing opened";
            SendMessageW(opened, WM_CLOSE, 0, 0);
            real.Pump();
            return expected;
        }
        // The chosen file carries more groups: its undo must take them all back.
        std::string code = "importação " + std::to_string(++imports);
        std::string path = expected == kFloppy ? kFloppy : chosen;
        const char* more =
            expected == kChosen ? "QV02jogo.exe\r\nQV03C:\\Jogos\r\nQVa7Uso.\r\n" : "";
        if (expected != kUndo) {
            before = Configuration();
            if (!(std::ofstream(path, std::ios::binary) << more << "QV09" << codec.ToAnsi(code)))
                return "cannot write " + path;
        }
        MessageBoxAnswerer answerer({{"Abrir arquivo de configurações do Quarvel", chosen}});
        Click(entry);
        real.Pump();
        if (expected == kUndo)
            return answerer.Seen() == std::vector{kUndone} && Configuration() == before
                       ? expected
                       : "not undone";
        bool done =
            HasValue(real.program.registry, Hive::LocalMachine, kCurrentVersion, "SYSNOT", code);
        return answerer.Seen() == std::vector{kImported} && done ? expected : "no import";
    }

    RealProgram real;
    KeptRegistry kept{real.program.registry};
    platform::win32::SystemAnsiCodec& codec = real.program.codec;
    std::string chosen = real.program.files.ProgramFolder() + "\\menu-import.qvc", before;
    int imports = 0;
};

TEST_F(MenusWindow, EveryMainMenuEntryReadsRightAndOpensItsWindow) {
    auto& menu = real.program.screens.Open<menus::frnINI>(real.program.context);
    real.Pump();
    EXPECT_EQ(WindowTextUtf8(real.Window(menu)), "Quarvel 2.0 - www.quarvel.com.br");
    for (const Row& row : kMainMenu) {
        SCOPED_TRACE(row.control);
        HWND label = real.Window(*menu.Find(row.control));
        EXPECT_EQ(WindowTextUtf8(label), row.caption);
        EXPECT_EQ(ToolTipOf(label), row.toolTip);
        EXPECT_EQ(Outcome(label, row.opens), row.opens);
    }
    std::vector<std::string> frames;
    for (const auto& frame : menu.groups) frames.push_back(WindowTextUtf8(real.Window(*frame)));
    EXPECT_EQ(frames, (std::vector<std::string>{"Restrições", "Otimização", "Personalização",
                                                "Exportar configurações:",
                                                "Importar configurações:", "Opções do programa"}));
    EXPECT_EQ(WindowTextUtf8(real.Window(menu.fraAbout)), "Sobre...");
}

TEST_F(MenusWindow, EveryWizardMenuEntryAndItsIconOpenTheSameWindow) {
    kept.Set({Hive::CurrentUser, kCurrentVersion, "Tb"});
    real.program.screens.Open<menus::frnINI>(real.program.context);
    auto* wizard = real.program.screens.Find<menus::frmWizrd3>();
    ASSERT_NE(wizard, nullptr);
    real.Pump();
    EXPECT_EQ(WindowTextUtf8(real.Window(*wizard)), "Quarvel 2.0 - Assistente de Configurações");
    for (const Row& row : kWizardMenu) {
        SCOPED_TRACE(row.control);
        HWND label = real.Window(*wizard->Find(row.control));
        EXPECT_EQ(WindowTextUtf8(label), row.caption);
        EXPECT_EQ(Outcome(label, row.opens), row.opens);
    }
    for (const Row& row : kWizardMenu)
        EXPECT_EQ(Outcome(real.Window(*wizard->Find(row.toolTip)), row.opens), row.opens)
            << row.toolTip;
}

TEST_F(MenusWindow, ClosingTheMainMenuLastEndsTheProgram) {
    auto& menu = real.program.screens.Open<menus::frnINI>(real.program.context);
    real.Pump();
    HWND window = real.Window(menu);
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
