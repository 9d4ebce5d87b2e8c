// List boxes show exactly what their screen holds, whatever changed the list.
#include <gtest/gtest.h>

#include "restrictions/frmRestE.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using namespace testing_support;
using namespace wine_tests;

constexpr char kList[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun";

TEST(ListBoxWindow, AfterARemovalTheStoredListShowsWholeAndApagarTakesTheClickedRow) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    registry.DeleteKey(Hive::CurrentUser, kList);
    PutText(registry, Hive::CurrentUser, kList, "6", "a");
    PutText(registry, Hive::CurrentUser, kList, "7", "b");
    PutText(registry, Hive::CurrentUser, kList, "8", "c");
    auto& screen = real.program.screens.Open<restrictions::frmRestE>(real.program.context);
    real.Pump();
    HWND list = real.Window(screen.List1);

    ChooseRow(list, 0);
    real.Pump();
    real.ClickAndPump(screen.Label3);  // "Apagar"
    EXPECT_EQ(ListRows(list), (std::vector<std::string>{"b", "c"}));
    real.ClickAndPump(screen.Label1);  // "Atual"
    EXPECT_EQ(ListRows(list), (std::vector<std::string>{"a", "b", "c"}));

    ChooseRow(list, 1);
    real.Pump();
    real.ClickAndPump(screen.Label3);
    EXPECT_EQ(ListRows(list), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(SelectedRow(list), -1);
    {
        MessageBoxAnswerer answerer;
        real.ClickAndPump(screen.Label3);  // a second "Apagar" removes nothing
        EXPECT_EQ(answerer.Seen(),
                  (std::vector<SeenMessage>{
                      {"É necessário selecionar um ítem da lista", "Erro do programa"}}));
    }
    EXPECT_EQ(ListRows(list), (std::vector<std::string>{"a", "c"}));
    registry.DeleteKey(Hive::CurrentUser, kList);
}

}  // namespace
