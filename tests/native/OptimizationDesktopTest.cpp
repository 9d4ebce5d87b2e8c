// The desktop speed-ups: menus, window animation and the open-with verb.
#include <gtest/gtest.h>

#include "optimization/DesktopSettings.h"
#include "optimization/frmOtiD.h"
#include "core/Settings.h"
#include "tests/support/OnOffReading.h"
#include "tests/support/TestProgram.h"

namespace {

using testing_support::ShowsOn;

using forms::SysColor;
using optimization::frmOtiD;

constexpr std::string_view kDesktop = "Control Panel\\Desktop";
constexpr std::string_view kMetrics = "Control Panel\\Desktop\\WindowMetrics";
constexpr std::string_view kOpenWith = "*\\Shell\\OpenWith";
constexpr std::string_view kCommand = "*\\Shell\\OpenWith\\Command";

class DesktopOptimization : public ::testing::Test {
  protected:
    void SetUp() override {
        program.registry.CreateKey(Hive::CurrentUser, kMetrics);
        program.registry.CreateKey(Hive::LocalMachine, core::kCurrentVersion);
    }
    void Store(Hive hive, std::string_view key, std::string_view name, std::string_view value) {
        program.registry.CreateKey(hive, key);
        program.registry.SetValue(hive, key, name, value, ValueType::String);
    }
    std::string Read(Hive hive, std::string_view key, std::string_view name) {
        return program.registry.GetValue(hive, key, name);
    }
    frmOtiD& Open() {
        program.screens.Close<frmOtiD>();
        program.screens.Collect();
        return program.screens.Open<frmOtiD>(program.context);
    }
    testing_support::TestProgram program;
};

TEST_F(DesktopOptimization, MenuSpeedIsOnOnlyForExactlyZero) {
    EXPECT_FALSE(ShowsOn(Open().menus)) << "absent";
    for (auto [stored, on] : {std::pair{"0", true}, {"400", false}, {"00", false}, {"", false}}) {
        Store(Hive::CurrentUser, kDesktop, "MenuShowDelay", stored);
        EXPECT_EQ(ShowsOn(Open().menus), on) << stored;
    }
    frmOtiD& screen = Open();
    screen.menus.on.UserClick();
    EXPECT_EQ(Read(Hive::CurrentUser, kDesktop, "MenuShowDelay"), "0");
    EXPECT_TRUE(ShowsOn(screen.menus));
    screen.menus.off.UserClick();
    EXPECT_EQ(Read(Hive::CurrentUser, kDesktop, "MenuShowDelay"), "500");
    EXPECT_FALSE(ShowsOn(screen.menus));
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST_F(DesktopOptimization, AnimationIsOnForTheNumberOneAndOffForAnythingElse) {
    EXPECT_FALSE(ShowsOn(Open().animation)) << "absent";
    for (auto [stored, on] : {std::pair{"1", true},
                              {" 1", true},
                              {"0", false},
                              {"2", false},
                              {"", false},
                              {"sim", false},
                              {"99999999999", false}}) {
        Store(Hive::CurrentUser, kMetrics, "MinAnimate", stored);
        EXPECT_EQ(ShowsOn(Open().animation), on) << "'" << stored << "'";
    }
    program.registry.SetValue(Hive::CurrentUser, kMetrics, "MinAnimate", "1", ValueType::Dword);
    EXPECT_TRUE(ShowsOn(Open().animation)) << "a DWORD reads as its number";

    frmOtiD& screen = Open();
    screen.animation.off.UserClick();
    EXPECT_EQ(Read(Hive::CurrentUser, kMetrics, "MinAnimate"), "0");
    screen.animation.on.UserClick();
    EXPECT_EQ(Read(Hive::CurrentUser, kMetrics, "MinAnimate"), "1");
    EXPECT_TRUE(ShowsOn(screen.animation));
}

TEST_F(DesktopOptimization, OpenWithOnCreatesTheVerbWithTheWindowsFolder) {
    Store(Hive::LocalMachine, core::kCurrentVersion, "SystemRoot", "C:\\WINDOWS");
    frmOtiD& screen = Open();
    EXPECT_FALSE(ShowsOn(screen.openWith));
    screen.openWith.on.UserClick();
    screen.openWith.on.UserClick();  // twice: still the one verb
    EXPECT_EQ(Read(Hive::ClassesRoot, kOpenWith, ""), "QV - Abrir com...");
    EXPECT_EQ(Read(Hive::ClassesRoot, kCommand, ""),
              "C:\\WINDOWS\\rundll32.exe shell32.dll,OpenAs_RunDLL %1");
    EXPECT_TRUE(ShowsOn(screen.openWith));
    EXPECT_TRUE(ShowsOn(Open().openWith));
}

TEST_F(DesktopOptimization, OpenWithWithoutSystemRootUsesTheWindowsFolderTheSystemReports) {
    Open().openWith.on.UserClick();
    EXPECT_EQ(Read(Hive::ClassesRoot, kCommand, ""),
              program.files.WindowsFolder() + "\\rundll32.exe shell32.dll,OpenAs_RunDLL %1");
}

TEST_F(DesktopOptimization, OpenWithOffRemovesTheVerbAndItsCommand) {
    frmOtiD& screen = Open();
    screen.openWith.on.UserClick();
    screen.openWith.off.UserClick();
    platform::KeyHandle key = 0;
    EXPECT_NE(program.registryApi.OpenKey(0x80000000u, std::string(kOpenWith), 0x3F, key), 0)
        << "the NT-family registry refuses a key with subkeys: both must go";
    EXPECT_FALSE(ShowsOn(screen.openWith));
    screen.openWith.off.UserClick();  // nothing left to delete: harmless
    EXPECT_FALSE(ShowsOn(screen.openWith));
}

TEST_F(DesktopOptimization, AnotherProgramsVerbShowsOffAndIsTakenOver) {
    Store(Hive::ClassesRoot, kOpenWith, "", "Abrir com o Editor");
    Store(Hive::ClassesRoot, kCommand, "", "editor.exe %1");
    frmOtiD& screen = Open();
    EXPECT_FALSE(ShowsOn(screen.openWith));
    screen.openWith.on.UserClick();
    EXPECT_EQ(Read(Hive::ClassesRoot, kOpenWith, ""), "QV - Abrir com...");
    EXPECT_NE(Read(Hive::ClassesRoot, kCommand, ""), "editor.exe %1");
}

TEST_F(DesktopOptimization, RefusedWritesKeepTheHighlightAndSaySo) {
    frmOtiD& screen = Open();
    program.registryApi.DenyWrites(true);
    for (forms::OnOffPair* pair : {&screen.menus, &screen.animation, &screen.openWith}) {
        pair->on.UserClick();
        EXPECT_FALSE(ShowsOn(*pair));
        EXPECT_EQ(program.dialogs.messages.back().style, 16);
    }
    EXPECT_EQ(program.dialogs.messages.size(), 3u);
    EXPECT_EQ(program.registryApi.OpenHandles(), 0u);
}

}  // namespace
