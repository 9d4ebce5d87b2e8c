// The main menu through its real window.
#include <gtest/gtest.h>

#include "menus/MainMenuEntries.h"
#include "menus/frnINI.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using wine_tests::RealProgram;
using wine_tests::WindowTextUtf8;

TEST(MainMenuWindow, ShowsEveryCaptionExactly) {
    RealProgram real;
    menus::frnINI& menu = real.program.screens.Open<menus::frnINI>(real.program.context);
    real.Pump();
    HWND window = real.Window(menu);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(wine_tests::WindowText(window), L"Quarvel 2.0 - www.quarvel.com.br");
    EXPECT_TRUE(IsWindowVisible(window));
    for (const menus::MenuEntry& entry : menus::kMenuEntries) {
        const forms::Control* label = menu.Find(std::string(entry.control));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(WindowTextUtf8(real.Window(*label)), entry.caption) << entry.control;
    }
    for (const auto& frame : menu.groups)
        EXPECT_EQ(WindowTextUtf8(real.Window(*frame)), frame->caption());
    EXPECT_EQ(WindowTextUtf8(real.Window(menu.Label1)),
              "Clique aqui para abrir o assistente de configuração.");
    EXPECT_EQ(WindowTextUtf8(real.Window(menu.fraAbout)), "Sobre...");
}

TEST(MainMenuWindow, OpeningItAgainKeepsOneWindow) {
    RealProgram real;
    menus::frnINI& first = real.program.screens.Open<menus::frnINI>(real.program.context);
    menus::frnINI& second = real.program.screens.Open<menus::frnINI>(real.program.context);
    real.Pump();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(real.program.screens.Count(), 1u);
}

TEST(MainMenuWindow, ClosingTheLastWindowEndsTheProgram) {
    RealProgram real;
    menus::frnINI& menu = real.program.screens.Open<menus::frnINI>(real.program.context);
    real.Pump();
    HWND window = real.Window(menu);
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(real.program.screens.Count(), 0u);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(MainMenuWindow, MinimisingIsSeenByTheScreen) {
    RealProgram real;
    menus::frnINI& menu = real.program.screens.Open<menus::frnINI>(real.program.context);
    real.Pump();
    ShowWindow(real.Window(menu), SW_MINIMIZE);
    real.Pump();
    EXPECT_EQ(menu.windowState(), forms::WindowState::Minimized);
    menu.SetWindowState(forms::WindowState::Normal);
    real.Pump();
    EXPECT_FALSE(IsIconic(real.Window(menu)));
}

}  // namespace
