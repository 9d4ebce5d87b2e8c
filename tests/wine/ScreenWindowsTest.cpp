// Each screen's table walked through its real window and the real registry,
// which is put back as it was afterwards.
#include <gtest/gtest.h>

#include "optimization/frmOtiD.h"
#include "optimization/frmOtiIE.h"
#include "optimization/frmOtiS.h"
#include "options/frmIniOpt.h"
#include "options/frmPWDOPT.h"
#include "personalization/frmNovo.h"
#include "personalization/frmPersDesk.h"
#include "personalization/frmPersIE.h"
#include "tests/support/ScreenTables.h"
#include "tests/wine/support/ScreenWindowDriver.h"

namespace {

using namespace testing_support;
using namespace testing_support::screens;
using wine_tests::WindowDriver;

template <class Screen>
void Walk(const ScreenTable& table) {
    WindowDriver<Screen> driver;
    WalkScreen(driver, table);
}

TEST(ScreenWindows, EveryScreenDoesWhatItsTableSays) {
    {
        WindowDriver<personalization::frmPersDesk> driver;
        wine_tests::Without9xWinlogon nt(driver.registry());
        ASSERT_TRUE(KeyIsAbsent(driver.registry(), HKLM, nt.k9x));
        WalkScreen(driver, kPersDesk);
        EXPECT_TRUE(KeyIsAbsent(driver.registry(), HKLM, nt.k9x)) << "no notice in the 9x place";
    }
    Walk<personalization::frmPersIE>(kPersIE);
    Walk<personalization::frmNovo>(kNovo);
    Walk<optimization::frmOtiD>(kOtiD);
    Walk<optimization::frmOtiIE>(kOtiIE);
    Walk<optimization::frmOtiS>(kOtiS);
    Walk<options::frmPWDOPT>(kPwdOpt);
    Walk<options::frmIniOpt>(kIniOpt);
}

}  // namespace
