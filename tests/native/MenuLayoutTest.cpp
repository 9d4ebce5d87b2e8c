// Both menus lay out every entry whole inside the window: the same margin on
// the right as on the left, nothing under the "Sobre..." frame.
#include <gtest/gtest.h>

#include "menus/frmWizrd3.h"
#include "menus/frnINI.h"
#include "tests/support/TestProgram.h"

namespace {

TEST(MenuLayout, EveryControlKeepsTheLeftMarginOnTheRightAndBelow) {
    testing_support::TestProgram program;
    forms::Form* menus[] = {&program.screens.Open<menus::frnINI>(program.context),
                            &program.screens.Open<menus::frmWizrd3>(program.context)};
    for (forms::Form* menu : menus) {
        int left = menu->width(), right = 0, bottom = 0;
        for (const forms::Control* control : menu->controls()) {
            const forms::Rect& r = control->rect();
            left = std::min(left, r.x);
            right = std::max(right, r.x + r.width);
            bottom = std::max(bottom, r.y + r.height);
        }
        EXPECT_EQ(menu->width() - right, left) << menu->name();
        EXPECT_LE(bottom, menu->height()) << menu->name();
    }
}

}  // namespace
