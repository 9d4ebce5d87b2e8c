// The restriction screens through their real windows, the real registry and
// the real block-list file.
#include <gtest/gtest.h>

#include "restrictions/PolicyScreens.h"
#include "restrictions/frmRestE.h"
#include "restrictions/frmRestF.h"
#include "restrictions/frmWizrd2.h"
#include "tests/support/PolicyTable.h"
#include "tests/support/TransferVerbs.h"
#include "tests/wine/support/ScreenWindowDriver.h"

namespace {

using namespace wine_tests;
using Rows = std::vector<std::string>;

const ShownMessage kApplied{"As restrições foram aplicadas com sucesso", "Quarvel", 64};

// The allow-list starts absent and goes again; its switch is put back as it was.
struct AllowListWindow : ScreenWindow<restrictions::frmRestE> {
    AllowListWindow() {
        registry.DeleteKey(kCU, kAllowList);
        kept.Keep({kCU, kAllowList});
        kept.Set({kCU, kExplorer, "RestrictRun"});
    }
};

TEST(RestrictionsWindow, TheAllowListShowsWhatItHoldsAndStoresWhatItShows) {
    AllowListWindow driver;
    for (auto [name, text] : {std::pair{"6", "a"}, {"7", "b"}, {"8", "c"}, {"606", "calc.exe"}})
        PutText(driver.registry, kCU, kAllowList, name, text);
    PutBytes(driver.real.program.registryApi, kCU, kAllowList, "20", 3, "\1\2");  // another tool's
    driver.Open();
    EXPECT_EQ(WindowTextUtf8(driver.real.Window(*driver.form)), "Restrição de executáveis");
    HWND list = driver.At("List1");
    ChooseRow(list, 0);
    EXPECT_EQ(driver.Run("Label3"), Said{});  // "Apagar"
    EXPECT_EQ(ListRows(list), (Rows{"b", "c"}));
    driver.Run("Label1");  // "Atual": the stored list, whole
    EXPECT_EQ(ListRows(list), (Rows{"a", "b", "c"}));
    ChooseRow(list, 1);
    driver.Run("Label3");
    EXPECT_EQ(ListRows(list), (Rows{"a", "c"}));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR) << "nothing selected";
    EXPECT_EQ(driver.Run("Label3"),
              (Said{{"É necessário selecionar um ítem da lista", "Erro do programa", 16}}));

    for (int twice = 0; twice < 2; ++twice) {  // Enter adds, and repeats are kept
        TypeKeys(driver.At("Text1"), "calc.exe");
        EXPECT_EQ(driver.Run("Text1"), Said{});
    }
    EXPECT_EQ(driver.Text("Text1"), "");
    EXPECT_EQ(ListRows(list), (Rows{"a", "c", "calc.exe", "calc.exe"}));
    EXPECT_EQ(driver.Run("Label5"), Said{kApplied});  // "Bloquear": the list as shown, and no more
    EXPECT_EQ(NumberedValues(driver.registry, kCU, kAllowList, 1, 800),
              (std::map<int, std::string>{{1, "Quarvel.exe"},
                                          {2, "Resgate.exe"},
                                          {3, "DErodu.exe"},
                                          {6, "a"},
                                          {7, "c"},
                                          {8, "calc.exe"},
                                          {9, "calc.exe"},
                                          {606, "calc.exe"}}));
    EXPECT_TRUE(HasValue(driver.registry, kCU, kExplorer, "RestrictRun", "1"));
    EXPECT_EQ(driver.Run("Label4"),  // "Desbloquear"
              (Said{{"Os executáveis não estão mais restritos no sistema", "Quarvel", 64}}));
    EXPECT_TRUE(HasValue(driver.registry, kCU, kExplorer, "RestrictRun", "0"));
}

TEST(RestrictionsWindow, TheBlockListWritesItsFileAndLogonEntryAndTakesThemBack) {
    ScreenWindow<restrictions::frmRestF> driver;
    const std::string folder = driver.real.program.files.ProgramFolder();
    const std::string path = folder + "\\restt.qvn";
    driver.real.program.values.baseFolder = folder;
    DeleteFileA(path.c_str());  // whatever another run left there
    driver.Open();
    EXPECT_EQ(WindowTextUtf8(driver.real.Window(*driver.form)), "Bloquear Pastas/Janelas");
    TypeKeys(driver.At("Text1"), "C:\\Jogos\rPaciência");
    EXPECT_EQ(driver.Run("Label4"), (Said{{"Restrições aplicadas com sucesso", "Quarvel", 64}}));
    EXPECT_EQ(FileBytes(path),
              "Quarvel by Ostrelvan - www.quarvel.com.br\r\nC:\\Jogos\r\nPaci\xEAncia\r\n");
    // The bytes Windows reads at logon: a quoted path, its terminating zero.
    EXPECT_EQ(StoredBytes(driver.real.program.registryApi, kLM, kRun, "TvalueT"),
              "\"" + folder + "\\DErodu.exe\"" + std::string(1, '\0'));
    const Said unblocked{
        {"As alterações foram efetuadas com sucesso, reinicie o seu computador", "Quarvel", 64}};
    EXPECT_EQ(driver.Run("Label5"), unblocked);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(IsAbsent(driver.registry, kLM, kRun, "TvalueT"));
    EXPECT_EQ(driver.Text("Text1"), "C:\\Jogos\r\nPaciência") << "the text stays";
    EXPECT_EQ(driver.Run("Label5"), unblocked) << "nothing left to take back";
}

TEST(RestrictionsWindow, GamesFromTheWizardThenBloquearWithAnEmptyList) {
    AllowListWindow driver;
    forms::Screens& screens = driver.real.program.screens;
    driver.Open();
    driver.Run("Label9");  // "Assistente": the allow-list makes way for it
    driver.form = screens.Find<restrictions::frmWizrd2>();
    ASSERT_NE(driver.form, nullptr);
    EXPECT_EQ(screens.Find<restrictions::frmRestE>(), nullptr);
    EXPECT_EQ(WindowTextUtf8(driver.real.Window(*driver.form)), "Assistente de Restrições");
    RECT picture;
    GetClientRect(driver.At("Image1"), &picture);
    EXPECT_EQ(std::pair(picture.right, picture.bottom), std::pair(150L, 494L)) << "its own size";
    EXPECT_EQ(driver.Text("Check28"), "Jogos do Windows");
    driver.Run("Check28");
    EXPECT_EQ(driver.Run("Label3"), (Said{{"As alterações foram aplicadas com sucesso, volte a "
                                           "tela anterior e clique em bloquear",
                                           "Quarvel", 64}}));
    driver.Run("Label1");  // "Cancelar" brings the allow-list back
    driver.form = screens.Find<restrictions::frmRestE>();
    ASSERT_NE(driver.form, nullptr);
    EXPECT_EQ(ListRows(driver.At("List1")), Rows{});
    EXPECT_EQ(driver.Run("Label5"), Said{kApplied});
    EXPECT_TRUE(HasValue(driver.registry, kCU, kExplorer, "RestrictRun", "1"));
    EXPECT_TRUE(HasValue(driver.registry, kCU, kAllowList, "642", "FREECELL.exe"));
}

// The three policy screens.

// Every box reads as it should; "Todos" then "Aplicar" writes 1 to every
// policy as a REG_DWORD, "Nenhum" then "Aplicar" 0, making the keys it needs.
template <class Screen>
void WalkThrough(const PolicyScreenWords& words) {
    SCOPED_TRACE(words.caption);
    ScreenWindow<Screen> driver;
    driver.registry.DeleteKey(kCU, kWinOldApp);
    for (const PolicyRow& row : words.rows) driver.kept.Keep({kCU, row.key, row.value});
    driver.Open();
    EXPECT_EQ(WindowTextUtf8(driver.real.Window(*driver.form)), words.caption);
    for (const PolicyRow& row : words.rows) {
        HWND box = driver.real.Window(*static_cast<Screen*>(driver.form)->Box(row.box));
        EXPECT_EQ(WindowTextUtf8(box), row.caption) << row.box;
    }
    for (auto [control, caption] :
         {std::pair{words.aplicar, "Aplicar"}, {words.todos, "Todos"}, {words.nenhum, "Nenhum"}})
        EXPECT_EQ(driver.Text(control), caption);
    for (const char* state : {"1", "0"}) {
        driver.Run(state[0] == '1' ? words.todos : words.nenhum);
        EXPECT_EQ(driver.Run(words.aplicar), (Said{{words.applied, "Quarvel", 64}}));
        for (const PolicyRow& row : words.rows) {
            // "Esconde os drives" writes the mask of every letter.
            bool mask = std::string_view(row.value) == "NoDrives" && state[0] == '1';
            EXPECT_TRUE(
                HasValue(driver.registry, kCU, row.key, row.value, mask ? "67108863" : state));
            EXPECT_EQ(TypeOf(driver.real.program.registryApi, kCU, row.key, row.value), 4u);
        }
    }
    EXPECT_TRUE(driver.registry.KeyExists(kCU, kWinOldApp));
}

TEST(PolicyScreensWindow, EverySystemDesktopAndExplorerPolicyGoesOnAndOff) {
    WalkThrough<restrictions::frmRestS>(kSystemScreen);
    WalkThrough<restrictions::frmRestD>(kDesktopScreen);
    WalkThrough<restrictions::frmRestEx>(kExplorerScreen);
}

}  // namespace
