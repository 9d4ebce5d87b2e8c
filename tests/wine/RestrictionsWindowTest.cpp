// The allow-list, the block list and the restriction wizard through their
// real windows, the real registry and the real block-list file.
#include <gtest/gtest.h>

#include <fstream>

#include "restrictions/frmRestE.h"
#include "restrictions/frmRestF.h"
#include "restrictions/frmWizrd2.h"
#include "tests/support/Keys.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using namespace testing_support;
using namespace wine_tests;

using Rows = std::vector<std::string>;

class RestrictionsWindow : public ::testing::Test {
  protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }
    void Forget() {
        registry.DeleteKey(Hive::CurrentUser, kAllowList);
        registry.DeleteValue(Hive::CurrentUser, kExplorer, "RestrictRun");
    }
    std::vector<SeenMessage> MessagesOf(const forms::Control& control) {
        MessageBoxAnswerer answerer;
        real.ClickAndPump(control);
        return answerer.Seen();
    }

    RealProgram real;
    RegistryAccess& registry = real.program.registry;
};

TEST_F(RestrictionsWindow, TheAllowListShowsWhatItHoldsAndStoresWhatItShows) {
    PutText(registry, Hive::CurrentUser, kAllowList, "6", "a");
    PutText(registry, Hive::CurrentUser, kAllowList, "7", "b");
    PutText(registry, Hive::CurrentUser, kAllowList, "8", "c");
    auto& screen = real.program.screens.Open<restrictions::frmRestE>(real.program.context);
    real.Pump();
    EXPECT_EQ(WindowTextUtf8(real.Window(screen)), "Restrição de executáveis");
    HWND list = real.Window(screen.List1);
    ChooseRow(list, 0);
    real.Pump();
    real.ClickAndPump(screen.Label3);  // "Apagar"
    EXPECT_EQ(ListRows(list), (Rows{"b", "c"}));
    real.ClickAndPump(screen.Label1);  // "Atual": the stored list, whole
    EXPECT_EQ(ListRows(list), (Rows{"a", "b", "c"}));
    ChooseRow(list, 1);
    real.Pump();
    real.ClickAndPump(screen.Label3);
    EXPECT_EQ(ListRows(list), (Rows{"a", "c"}));
    EXPECT_EQ(SelectedRow(list), -1);
    EXPECT_EQ(MessagesOf(screen.Label3),
              (std::vector<SeenMessage>{
                  {"É necessário selecionar um ítem da lista", "Erro do programa"}}));

    HWND edit = real.Window(screen.Text1);
    TypeKeys(edit, "calc.exe");
    PressKey(edit, VK_RETURN);
    real.Pump();
    EXPECT_EQ(WindowTextUtf8(edit), "");
    EXPECT_EQ(ListRows(list), (Rows{"a", "c", "calc.exe"}));
    EXPECT_EQ(MessagesOf(screen.Label5),  // "Bloquear"
              (std::vector<SeenMessage>{{"As restrições foram aplicadas com sucesso", "Quarvel"}}));
    for (auto [name, text] : {std::pair{"1", "Quarvel.exe"},
                              {"2", "Resgate.exe"},
                              {"3", "DErodu.exe"},
                              {"6", "a"},
                              {"7", "c"},
                              {"8", "calc.exe"}})
        EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, kAllowList, name, text));
    EXPECT_TRUE(IsAbsent(registry, Hive::CurrentUser, kAllowList, "9"));
    EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, kExplorer, "RestrictRun", "1"));
    EXPECT_EQ(MessagesOf(screen.Label4),  // "Desbloquear"
              (std::vector<SeenMessage>{
                  {"Os executáveis não estão mais restritos no sistema", "Quarvel"}}));
    EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, kExplorer, "RestrictRun", "0"));
}

TEST_F(RestrictionsWindow, TheBlockListWritesItsFileAndLogonEntryAndTakesThemBack) {
    std::string path = real.program.files.ProgramFolder() + "\\restt.qvn";
    real.program.values.baseFolder = real.program.files.ProgramFolder();
    DeleteFileA(path.c_str());  // whatever another run left there
    auto& screen = real.program.screens.Open<restrictions::frmRestF>(real.program.context);
    real.Pump();
    EXPECT_EQ(WindowTextUtf8(real.Window(screen)), "Bloquear Pastas/Janelas");
    TypeKeys(real.Window(screen.Text1), "C:\\Jogos\rPaciência");
    real.Pump();
    EXPECT_EQ(MessagesOf(screen.Label4),
              (std::vector<SeenMessage>{{"Restrições aplicadas com sucesso", "Quarvel"}}));
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    in.close();
    EXPECT_EQ(bytes, "Quarvel by Ostrelvan - www.quarvel.com.br\r\nC:\\Jogos\r\nPaci\xEAncia\r\n");
    EXPECT_TRUE(HasValue(registry, Hive::LocalMachine, kRun, "TvalueT",
                         real.program.files.ProgramFolder() + "\\DErodu.exe"));
    EXPECT_EQ(
        MessagesOf(screen.Label5),
        (std::vector<SeenMessage>{
            {"As alterações foram efetuadas com sucesso, reinicie o seu computador", "Quarvel"}}));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(IsAbsent(registry, Hive::LocalMachine, kRun, "TvalueT"));
}

TEST_F(RestrictionsWindow, GamesFromTheWizardThenBloquearWithAnEmptyList) {
    auto& allowList = real.program.screens.Open<restrictions::frmRestE>(real.program.context);
    real.Pump();
    real.ClickAndPump(allowList.Label9);  // "Assistente": the allow-list makes way for it
    auto* wizard = real.program.screens.Find<restrictions::frmWizrd2>();
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(real.program.screens.Find<restrictions::frmRestE>(), nullptr);
    EXPECT_EQ(WindowTextUtf8(real.Window(*wizard)), "Assistente de Restrições");
    RECT picture;
    GetClientRect(real.Window(wizard->Image1), &picture);
    EXPECT_EQ(picture.right, 150) << "the side picture at its own size";
    EXPECT_EQ(picture.bottom, 494);
    const forms::Control& games = *wizard->Find("Check28");
    EXPECT_EQ(WindowTextUtf8(real.Window(games)), "Jogos do Windows");
    real.ClickAndPump(games);
    EXPECT_EQ(MessagesOf(wizard->Label3),
              (std::vector<SeenMessage>{{"As alterações foram aplicadas com sucesso, volte a tela "
                                         "anterior e clique em bloquear",
                                         "Quarvel"}}));
    real.ClickAndPump(wizard->Label1);  // "Cancelar" brings the allow-list back
    auto* back = real.program.screens.Find<restrictions::frmRestE>();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(ListRows(real.Window(back->List1)), Rows{});
    EXPECT_EQ(MessagesOf(back->Label5),
              (std::vector<SeenMessage>{{"As restrições foram aplicadas com sucesso", "Quarvel"}}));
    EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, kExplorer, "RestrictRun", "1"));
    EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, kAllowList, "642", "FREECELL.exe"));
}

}  // namespace
