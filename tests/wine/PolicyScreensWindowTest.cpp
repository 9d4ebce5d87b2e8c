// The three policy screens through their real windows and the real registry.
#include <gtest/gtest.h>

#include "restrictions/PolicyScreens.h"
#include "tests/support/PolicyTable.h"
#include "tests/wine/support/ScreenWindowDriver.h"

namespace {

using namespace wine_tests;
constexpr Hive HKCU = Hive::CurrentUser;

// Every box reads as it should; "Todos" then "Aplicar" writes 1 to every
// policy as a REG_DWORD, "Nenhum" then "Aplicar" 0, making the keys it needs.
template <class Screen>
void WalkThrough(const PolicyScreenWords& words) {
    SCOPED_TRACE(words.caption);
    ScreenWindow<Screen> driver;
    driver.registry.DeleteKey(HKCU, kWinOldApp);
    for (const PolicyRow& row : words.rows) driver.kept.Keep({HKCU, row.key, row.value});
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
                HasValue(driver.registry, HKCU, row.key, row.value, mask ? "67108863" : state));
            EXPECT_EQ(TypeOf(driver.real.program.registryApi, HKCU, row.key, row.value), 4u);
        }
    }
    EXPECT_TRUE(driver.registry.KeyExists(HKCU, kWinOldApp));
}

TEST(PolicyScreensWindow, EverySystemDesktopAndExplorerPolicyGoesOnAndOff) {
    WalkThrough<restrictions::frmRestS>(kSystemScreen);
    WalkThrough<restrictions::frmRestD>(kDesktopScreen);
    WalkThrough<restrictions::frmRestEx>(kExplorerScreen);
}

}  // namespace
