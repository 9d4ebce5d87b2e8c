// The optimisation screens through their real windows and the real registry.
#include <gtest/gtest.h>

#include <optional>

#include "optimization/frmOtiD.h"
#include "optimization/frmOtiIE.h"
#include "optimization/frmOtiS.h"
#include "menus/frnINI.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using wine_tests::MessageBoxAnswerer;
using wine_tests::RealProgram;
using wine_tests::SeenMessage;
using wine_tests::WindowTextUtf8;

// The background a label is painted with, as its screen answers Windows.
COLORREF BackgroundOf(HWND label) {
    HDC dc = GetDC(label);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(label)));
    COLORREF colour = GetBkColor(dc);
    ReleaseDC(label, dc);
    LOGBRUSH painted = {};
    GetObjectW(brush, sizeof painted, &painted);
    EXPECT_EQ(painted.lbColor, colour) << "the brush and the text background agree";
    return colour;
}

// Puts a value back as it was when the test began.
class SavedValue {
  public:
    SavedValue(RegistryAccess& registry, Hive hive, std::string key, std::string name)
        : registry_(registry), hive_(hive), key_(std::move(key)), name_(std::move(name)) {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(hive_)), key_.c_str(), 0,
                          KEY_READ, &handle) == ERROR_SUCCESS) {
            if (RegQueryValueExA(handle, name_.c_str(), nullptr, nullptr, nullptr, nullptr) ==
                ERROR_SUCCESS)
                value_ = registry_.GetValue(hive_, key_, name_);
            RegCloseKey(handle);
        }
    }
    ~SavedValue() {
        if (value_)
            registry_.SetValue(hive_, key_, name_, *value_, ValueType::String);
        else
            registry_.DeleteValue(hive_, key_, name_);
    }

  private:
    RegistryAccess& registry_;
    Hive hive_;
    std::string key_, name_;
    std::optional<std::string> value_;
};

void PressKeyAndPump(RealProgram& real, HWND window, WORD key) {
    SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
    wine_tests::PressKey(GetFocus(), key);
    real.Pump();
}

bool KeyExists(HKEY root, const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

TEST(OptimizationWindows, LigadoOfFasterMenusWritesZeroAndTakesTheHighlight) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    SavedValue saved(registry, Hive::CurrentUser, "Control Panel\\Desktop", "MenuShowDelay");
    registry.SetValue(Hive::CurrentUser, "Control Panel\\Desktop", "MenuShowDelay", "400",
                      ValueType::String);
    auto& screen = real.program.screens.Open<optimization::frmOtiD>(real.program.context);
    real.Pump();
    HWND on = real.Window(screen.menus.on);
    HWND off = real.Window(screen.menus.off);
    EXPECT_EQ(WindowTextUtf8(real.Window(screen)), "Desktop");
    EXPECT_EQ(WindowTextUtf8(real.Window(screen.Label1)), "Acelerar menus:");
    EXPECT_EQ(WindowTextUtf8(on), "Ligado");
    EXPECT_EQ(WindowTextUtf8(off), "Desligado");
    EXPECT_EQ(BackgroundOf(off), GetSysColor(COLOR_HIGHLIGHT)) << "400 is not fast";
    EXPECT_EQ(BackgroundOf(on), GetSysColor(COLOR_BTNSHADOW));

    real.ClickAndPump(screen.menus.on);
    EXPECT_EQ(registry.GetValue(Hive::CurrentUser, "Control Panel\\Desktop", "MenuShowDelay"), "0");
    EXPECT_EQ(BackgroundOf(on), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(BackgroundOf(off), GetSysColor(COLOR_BTNSHADOW));

    // The keyboard reaches the pair too: Space on the focused member.
    SetFocus(off);
    wine_tests::PressKey(off, VK_SPACE);
    real.Pump();
    EXPECT_EQ(registry.GetValue(Hive::CurrentUser, "Control Panel\\Desktop", "MenuShowDelay"),
              "500");
    EXPECT_EQ(BackgroundOf(off), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(OptimizationWindows, OpenWithIsCreatedInTheRealWindowsFolderAndRemoved) {
    RealProgram real;
    // Wine, like the NT family, keeps no SystemRoot in the 9x place.
    ASSERT_EQ(real.program.registry.GetValue(
                  Hive::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SystemRoot"),
              "");
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    auto& screen = real.program.screens.Open<optimization::frmOtiD>(real.program.context);
    real.Pump();
    real.ClickAndPump(screen.openWith.on);
    RegistryAccess& registry = real.program.registry;
    EXPECT_EQ(registry.GetValue(Hive::ClassesRoot, "*\\Shell\\OpenWith", ""), "QV - Abrir com...");
    std::string command = registry.GetValue(Hive::ClassesRoot, "*\\Shell\\OpenWith\\Command", "");
    EXPECT_EQ(command, std::string(windows) + "\\rundll32.exe shell32.dll,OpenAs_RunDLL %1");
    real.ClickAndPump(screen.openWith.off);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "*\\Shell\\OpenWith"));
    EXPECT_EQ(BackgroundOf(real.Window(screen.openWith.off)), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(OptimizationWindows, TheDiskCacheProfileIsWrittenByAplicar) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";
    bool existed = KeyExists(HKEY_LOCAL_MACHINE, key);
    registry.CreateKey(Hive::LocalMachine, key);
    {
        SavedValue saved(registry, Hive::LocalMachine, key, "");
        auto& screen = real.program.screens.Open<optimization::frmOtiS>(real.program.context);
        real.Pump();
        EXPECT_EQ(WindowTextUtf8(real.Window(screen.Option2)),
                  "Sistema Móvel ( Arquivos pequenos com rápido acesso)");
        real.ClickAndPump(screen.Option2);
        EXPECT_TRUE(screen.Option2.checked());
        MessageBoxAnswerer answerer;
        real.ClickAndPump(screen.Label6);
        EXPECT_EQ(registry.GetValue(Hive::LocalMachine, key, ""), "Mobile");
        EXPECT_EQ(
            answerer.Seen(),
            (std::vector<SeenMessage>{{"As alterações foram aplicadas com sucesso", "Quarvel"}}));
    }
    if (!existed) registry.DeleteKey(Hive::LocalMachine, key);
}

TEST(OptimizationWindows, TheMainMenuOpensTheScreensAsWindows) {
    RealProgram real;
    auto& menu = real.program.screens.Open<menus::frnINI>(real.program.context);
    real.Pump();
    real.ClickAndPump(*menu.Find("Label15"));
    real.ClickAndPump(*menu.Find("Label14"));
    auto* system = real.program.screens.Find<optimization::frmOtiS>();
    auto* desktop = real.program.screens.Find<optimization::frmOtiD>();
    ASSERT_NE(system, nullptr);
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(WindowTextUtf8(real.Window(*system)), "Sistema");
    EXPECT_TRUE(IsWindowVisible(real.Window(*desktop)));
    PressKeyAndPump(real, real.Window(*desktop), VK_ESCAPE);
    EXPECT_EQ(real.program.screens.Find<optimization::frmOtiD>(), nullptr) << "Esc closes it";
}

}  // namespace
