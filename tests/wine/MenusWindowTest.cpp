// Both menus through their real windows: every entry reads as the user
// should read it and opens the window it names; the imports read the floppy
// or the file chosen in the open dialog; the export's screen; the gate.
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

const std::string kWizardTitle = "Quarvel 2.0 - Assistente de Configurações" + ThisAccountSuffix();
const std::string kMainTitle = "Quarvel 2.0 - www.quarvel.com.br" + ThisAccountSuffix();

// opens: the caption of the window an entry opens, or the import it runs.
struct Row {
    const char *control, *opens, *caption, *toolTip;
};
// clang-format off
const Row kMainMenu[] = {
    {"Label9", "Restrição de executáveis", "Executáveis",
     "Abre a página de restrições de Executávies do tipo *.exe, *.com, *.bat e *.pif"},
    {"Label8", "Sistema", "Sistema",
     "Abre a página de restrições dos componentes de sistema do Windows"},
    {"Label7", "Desktop", "Desktop",
     "Abre a página de restrições para os componentes do Desktop do Windows"},
    {"Label6", "Explorer", "Explorer",
     "Abre a página de restrições dos componentes Explorer do Windows"},
    {"Label5", "Bloquear Pastas/Janelas", "Pastas/Janelas",
     "Abre a página de restrições de Diretórios e janelas do Windows"},
    {"Label15", "Sistema", "Sistema", "Abre a página de opções para a otmização do sistema"},
    {"Label14", "Desktop", "Desktop",
     "Abre a página de opções para a otmização do Desktop( Área de trabalho )"},
    {"Label13", "Internet Explorer", "Internet Explorer",
     "Abre a página de opções para a otmização do Internet Explorer e Outlook Express"},
    {"Label18", "Alterar Ícones", "Ícones",
     "Abre a página de opções para a personalização dos ícones do computador"},
    {"Label17", "Desktop", "Desktop",
     "Abre a página de opções para a personalização do Desktop (Área de trabalho)"},
    {"Label16", "Internet Explorer", "Internet Explorer",
     "Abre a página de opções para a personalização do Internet Explorer e Outlook Express"},
    {"Label23", "Assistente de exportação", "Abrir o assistente...", "Abre a página com um "
     "assistente para exportar as configurações atuais para outro software Quarvel"},
    {"Label24", kFloppy, "Importar do disquete",
     "Importa as configurações de outro Quarvel a partir de um disquete"},
    {"Label25", kChosen, "Outros locais...",
     "Importa as configurações de outro Quarvel em um local específico"},
    {"Label27", kUndo, "Desfazer importação",
     "Desfaz a última importação, devolvendo as configurações que havia antes dela"},
    {"Label26", "Opções de Inicialização", "Inicialização",
     "Escolhe os parâmetros de inicialização do software Quarvel"},
    {"Label19", "Controle de Senhas", "Alterar Senha",
     "Abre a página de senhas para alterar ou remover a senha ao iniciar o Quarvel"},
    {"Label28", "Destino das configurações", "Destino...", "Escolhe de quem são as "
     "configurações: desta conta, dos usuários comuns ou de uma conta local"},
    {"Label1", kWizardTitle.c_str(),
     "Clique aqui para abrir o assistente de configuração.", ""},
};
// The wizard menu has no tool tips: the last column names each entry's icon.
const Row kWizardMenu[] = {
    {"Label2", "Restrição de executáveis",
     "Bloquear todos os arquivos executáveis, e atribuir permissões para alguns deles.",
     "Picture10"},
    {"Label3", "Escolha a área desejada",
     "Bloquear diversas áreas do Windows, impedindo o uso incorreto do Computador.", "Picture11"},
    {"Label4", "Bloquear Pastas/Janelas",
     "Bloquear Pastas e Janelas do Windows, aumentando o poder de controle sobre o usuário.",
     "Picture12"},
    {"Label5", "Alterar Ícones", "Personalizar os ícones do computador.", "Picture7"},
    {"Label6", "Internet Explorer", "Personalizar o Internet Explorer.", "Picture8"},
    {"Label7", "Desktop", "Personalizar a Área de Trabalho.", "Picture9"},
    {"Label8", "Internet Explorer", "Otimizar o Internet Explorer.", "Picture4"},
    {"Label9", "Desktop", "Otimizar a Área de Trabalho.", "Picture5"},
    {"Label10", "Sistema", "Otimizar a performance do computador.", "Picture6"},
    {"Label11", kFloppy, "Importar configurações de outro Quarvel apartir do Disquete.",
     "Picture16"},
    {"Label12", kChosen, "Importar configurações de outro Quarvel apartir da rede, outros...",
     "Picture15"},
    {"Label17", kUndo, "Desfazer a última importação, voltando às configurações de antes.",
     "Picture17"},
    {"Label13", "Assistente de exportação",
     "Exportar configurações atuais do Quarvel para outro computador.", "Picture14"},
    {"Label14", "Controle de Senhas", "Alterar a senha de entrada do Quarvel", "Picture18"},
    {"Label15", "Opções de Inicialização", "Alterar as opções de inicialização do Quarvel",
     "Picture19"},
    {"Label18", "Destino das configurações", "Escolher de quem são as configurações.",
     "Picture20"},
};
// clang-format on

class MenusWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        kept.Set({Hive::CurrentUser, kCurrentVersion, "Tb", "0"});
        kept.Keep({Hive::LocalMachine, kCurrentVersion, "SYSNOT"});
        kept.Keep({Hive::CurrentUser, kCurrentVersion, "Destino"});
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
        bool import = expected == kFloppy || expected == kChosen;
        std::string code = "importação " + std::to_string(++imports);
        if (import) {  // the chosen file carries more groups: its undo must take them all back
            before = Configuration();
            std::ofstream(expected == kFloppy ? kFloppy : chosen, std::ios::binary)
                << (expected == kChosen ? "QV02jogo.exe\r\nQV03C:\\Jogos\r\nQVa7Uso.\r\n" : "")
                << "QV09" << codec.ToAnsi(code);
        }
        MessageBoxAnswerer answerer({{"Abrir arquivo de configurações do Quarvel", chosen}});
        Click(entry);
        real.Pump();
        Said said = answerer.Seen();
        if (expected == kUndo)
            return said == std::vector{kUndone} && Configuration() == before ? expected
                                                                             : "not undone";
        if (import)
            return said == std::vector{kImported} &&
                           HasValue(real.program.registry, kLM, kCurrentVersion, "SYSNOT", code)
                       ? expected
                       : "no import";
        HWND opened = FindTopLevel(expected, 0, 1000);
        if (opened) SendMessageW(opened, WM_CLOSE, 0, 0);
        real.Pump();
        return opened ? expected : "nothing opened";
    }

    // The menus as they start without a mode: the wizard menu in front.
    menus::frmWizrd3* OpenWizard() {
        kept.Set({Hive::CurrentUser, kCurrentVersion, "Tb"});
        real.program.screens.Open<menus::frnINI>(real.program.context);
        real.Pump();
        return real.program.screens.Find<menus::frmWizrd3>();
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
    EXPECT_EQ(WindowTextUtf8(real.Window(menu)), kMainTitle);
    for (const Row& row : kMainMenu) {
        SCOPED_TRACE(row.control);
        HWND label = real.Window(*menu.Find(row.control));
        EXPECT_EQ(WindowTextUtf8(label), row.caption);
        EXPECT_EQ(ToolTipOf(label), row.toolTip);
        EXPECT_EQ(Outcome(label, row.opens), row.opens);
    }
    std::string frames;
    for (const auto& frame : menu.groups) frames += WindowTextUtf8(real.Window(*frame)) + "|";
    EXPECT_EQ(frames + WindowTextUtf8(real.Window(menu.fraAbout)),
              "Restrições|Otimização|Personalização|Exportar configurações:|"
              "Importar configurações:|Opções do programa|Sobre...");
}

TEST_F(MenusWindow, EveryWizardMenuEntryAndItsIconOpenTheSameWindow) {
    menus::frmWizrd3* wizard = OpenWizard();
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(WindowTextUtf8(real.Window(*wizard)), kWizardTitle);
    for (const Row& row : kWizardMenu) {
        SCOPED_TRACE(row.control);
        HWND label = real.Window(*wizard->Find(row.control));
        EXPECT_EQ(WindowTextUtf8(label), row.caption);
        EXPECT_EQ(Outcome(label, row.opens), row.opens);
    }
    for (const Row& row : kWizardMenu) {
        if (!row.toolTip) continue;  // an entry without an icon
        EXPECT_EQ(Outcome(real.Window(*wizard->Find(row.toolTip)), row.opens), row.opens)
            << row.toolTip;
    }
}

// The keyboard alone: Space opens an entry, Enter runs the chooser's first
// button at once, Esc closes each screen, and the keyboard comes back to the
// entry it left, in the wizard menu, not the minimised main menu behind it.
TEST_F(MenusWindow, TheKeyboardComesBackToTheEntryThatOpenedAScreen) {
    menus::frmWizrd3* wizard = OpenWizard();
    ASSERT_NE(wizard, nullptr);
    HWND entry = real.Window(*wizard->Find("Label3"));
    SetFocus(entry);
    PressKey(entry, VK_SPACE);
    real.Pump();
    HWND chooser = FindTopLevel("Escolha a área desejada", 0, 1000);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(GetActiveWindow(), chooser);
    HWND first = GetFocus();
    EXPECT_EQ(WindowTextUtf8(first), "Restrições na Área de trabalho");
    PressKey(first, VK_RETURN);
    real.Pump();
    HWND area = FindTopLevel("Desktop", 0, 1000);
    ASSERT_NE(area, nullptr) << "Enter on the first button opens its screen";
    for (auto [closing, back] : {std::pair{area, chooser}, {chooser, real.Window(*wizard)}}) {
        PressKey(GetFocus(), VK_ESCAPE);
        real.Pump();
        EXPECT_FALSE(IsWindow(closing));
        EXPECT_EQ(GetActiveWindow(), back);
        EXPECT_EQ(GetFocus(), back == chooser ? first : entry);
    }
}

// An entry shows its sentence on one line, centred: one wider than its
// place is cut at both ends. Measured with the entry's own font, as laid out
// at 96 dots per inch and as it grows at 150 %.
TEST_F(MenusWindow, EveryWizardEntryFitsItsPlaceAt96And150PerCent) {
    menus::frmWizrd3* wizard = OpenWizard();
    ASSERT_NE(wizard, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    for (const Row& row : kWizardMenu) {
        HWND label = real.Window(*wizard->Find(row.control));
        RECT place = {};
        GetClientRect(label, &place);
        LOGFONTW font = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        for (int percent : {100, 150}) {
            LOGFONTW scaled = font;
            scaled.lfHeight = MulDiv(font.lfHeight, percent, 100);
            HFONT shown = CreateFontIndirectW(&scaled);
            HGDIOBJ old = SelectObject(dc, shown);
            std::wstring text = WindowText(label);
            RECT needed = {0, 0, 0, 0};
            DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE);
            EXPECT_LE(needed.right + 4, MulDiv(place.right, percent, 100))
                << row.control << " at " << percent << " %";
            SelectObject(dc, old);
            DeleteObject(shown);
        }
    }
    DeleteDC(dc);
}

// The export through the real screen and save dialog; the floppy export's write error.

TEST(TransferWindows, ExportThroughTheSaveDialog) {
    ScreenWindow<transfer::frmWizrd> driver;
    const std::string folder = driver.real.program.files.ProgramFolder();
    const std::string file = folder + "\\wine-export.qvc";
    DeleteFileA(file.c_str());
    driver.Without9xWinlogon();
    driver.kept.Set({kLM, kNtWinlogon, "LegalNoticeText", "Linha 1\r\nQV09x"});
    driver.real.program.values.baseFolder = folder;
    driver.Open();
    driver.Run("Label7");  // "Todas"
    for (auto& box : static_cast<transfer::frmWizrd*>(driver.form)->groups)
        EXPECT_TRUE(box->checked());
    EXPECT_EQ(driver.Run("Label6", false, {{"Salvar config do Quarvel", file}}),
              (Said{{"O Arquivo de configurações foi gerado com sucesso!", "Quarvel", 64}}));
    EXPECT_NE(FileBytes(file).find("QVa7Linha 1\r\nQV__QV09x\r\n"), std::string::npos);
    DeleteFileA(file.c_str());
}

TEST(TransferWindows, AFloppyThatCannotBeWrittenIsAWriteError) {
    ScreenWindow<transfer::frmWizrd> driver;
    driver.Open();
    driver.Run("Check9");
    DeleteFileA("A:\\config.qvc");
    CreateDirectoryA("A:\\config.qvc", nullptr);  // a folder where the file goes, or no A: at all
    Said said = driver.Run("Label5");
    RemoveDirectoryA("A:\\config.qvc");
    EXPECT_EQ(said, (Said{{"Erro ao gravar no disquete", "Quarvel", 16}}));
}

// Quarvel.exe itself, started as a process: the lock-code gate and the
// wizard mode of a first start.

constexpr char kGate[] = "Digite o seu código-trava ";

// Types the answer into the gate and clicks OK; the gate hides what is typed.
void Answer(const Process& quarvel, const char* answer) {
    HWND gate = FindTopLevel(kGate, quarvel.info.dwProcessId);
    ASSERT_NE(gate, nullptr);
    HWND edit = FindWindowExW(gate, nullptr, L"Edit", nullptr);
    EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD, ES_PASSWORD);
    TypeKeys(edit, answer);
    Click(FindWindowExW(gate, nullptr, L"Static", L"OK"));
}

TEST(GateProcess, AStoredCodeShutsOutAWrongAnswerAndOpensTheWizardMenuOnTheRightOne) {
    RealProgram real;
    KeptRegistry kept{real.program.registry};
    kept.Set({Hive::LocalMachine, kCurrentVersion, "SYSNOT", "Segredo"});
    kept.Set({Hive::CurrentUser, kCurrentVersion, "Tb"});  // a first start
    {
        Process quarvel(L"Quarvel.exe");
        MessageBoxAnswerer answerer({}, quarvel.info.dwProcessId);
        Answer(quarvel, "segredo");  // letter case counts
        EXPECT_TRUE(quarvel.Ends(5000));
        EXPECT_EQ(answerer.Seen(), (Said{{"Seu código é inválido, para maiores informações, "
                                          "envie um E-mail para suporte@quarvel.com.br",
                                          "Erro de Autenticação", 0}}));
    }
    Process quarvel(L"Quarvel.exe");
    DWORD id = quarvel.info.dwProcessId;
    Answer(quarvel, "Segredo");
    HWND wizard = FindTopLevel(kWizardTitle, id), menu = FindTopLevel(kMainTitle, id);
    ASSERT_TRUE(wizard && menu);
    EXPECT_TRUE(Within(5000, [&] { return !FindTopLevel(kGate, id, 0); }));
    EXPECT_TRUE(IsIconic(menu));
    Click(FindWindowExW(wizard, nullptr, L"Static", L"Modo normal"));
    EXPECT_TRUE(Within(5000, [&] { return !IsWindow(wizard) && !IsIconic(menu); }));
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quarvel.Ends(5000));
}

}  // namespace
