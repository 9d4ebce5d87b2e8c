// The three policy screens through their real windows and the real registry.
#include <gtest/gtest.h>

#include "restrictions/PolicyScreens.h"
#include "tests/support/PolicyTable.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using namespace testing_support;
using namespace wine_tests;

class PolicyScreensWindow : public ::testing::Test {
  protected:
    template <class Screen>
    void WalkThrough(const PolicyScreenWords& words) {
        SCOPED_TRACE(words.caption);
        RegistryAccess& registry = real.program.registry;
        registry.DeleteKey(Hive::CurrentUser, kWinOldApp);
        auto& screen = real.program.screens.Open<Screen>(real.program.context);
        real.Pump();
        EXPECT_EQ(WindowTextUtf8(real.Window(screen)), words.caption);
        for (const PolicyRow& row : words.rows)
            EXPECT_EQ(WindowTextUtf8(real.Window(*screen.Box(row.box))), row.caption) << row.box;
        for (auto [control, caption] : {std::pair{words.aplicar, "Aplicar"},
                                        {words.todos, "Todos"},
                                        {words.nenhum, "Nenhum"}})
            EXPECT_EQ(WindowTextUtf8(real.Window(*screen.Find(control))), caption);

        for (const char* state : {"1", "0"}) {
            real.ClickAndPump(*screen.Find(state[0] == '1' ? words.todos : words.nenhum));
            MessageBoxAnswerer answerer;
            real.ClickAndPump(*screen.Find(words.aplicar));
            EXPECT_EQ(answerer.Seen(), (std::vector<ShownMessage>{{words.applied, "Quarvel", 64}}));
            for (const PolicyRow& row : words.rows) {
                EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, row.key, row.value, state));
                EXPECT_EQ(TypeOf(real.program.registryApi, Hive::CurrentUser, row.key, row.value),
                          4u);
            }
        }
        EXPECT_TRUE(registry.KeyExists(Hive::CurrentUser, kWinOldApp));
        for (const PolicyRow& row : words.rows)
            registry.DeleteValue(Hive::CurrentUser, row.key, row.value);
    }

    RealProgram real;
};

TEST_F(PolicyScreensWindow, System) {
    WalkThrough<restrictions::frmRestS>(kSystemScreen);
}
TEST_F(PolicyScreensWindow, Desktop) {
    WalkThrough<restrictions::frmRestD>(kDesktopScreen);
}
TEST_F(PolicyScreensWindow, Explorer) {
    WalkThrough<restrictions::frmRestEx>(kExplorerScreen);
}

}  // namespace
