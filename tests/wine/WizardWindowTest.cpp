// The wizard screens through their real windows: Quarvel.exe starting in
// wizard mode, and the restriction wizard's round trip with the allow-list.
#include <gtest/gtest.h>

#include <optional>

#include "restrictions/AllowList.h"
#include "restrictions/frmRestE.h"
#include "restrictions/frmWizrd2.h"
#include "core/Settings.h"
#include "options/frmPWDOPT.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using wine_tests::FindTopLevel;
using wine_tests::MessageBoxAnswerer;
using wine_tests::RealProgram;
using wine_tests::SeenMessage;

constexpr char kWizardCaption[] = "Quarvel 2.0 - Assistente de Configurações";
constexpr char kMenuCaption[] = "Quarvel 2.0 - www.quarvel.com.br";

std::optional<std::string> RawText(HKEY hive, std::string_view path, std::string_view name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(hive, std::string(path).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char data[256] = {};
    DWORD size = sizeof data - 1, type = 0;
    LONG status = RegQueryValueExA(key, std::string(name).c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    if (type == REG_DWORD) return std::to_string(*reinterpret_cast<DWORD*>(data));
    return std::string(data);
}

void ForgetAllowList(RegistryAccess& registry) {
    using restrictions::allow_list::kListKey;
    for (int number = 1; number <= 721; ++number)
        registry.DeleteValue(Hive::CurrentUser, kListKey, std::to_string(number));
    registry.DeleteValue(Hive::CurrentUser, restrictions::kExplorerPolicyKey, "RestrictRun");
}

class WizardProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        registry.CreateKey(Hive::CurrentUser, core::kCurrentVersion);
        registry.DeleteValue(Hive::CurrentUser, core::kCurrentVersion, "Tb");
        registry.DeleteValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT");
    }
    void TearDown() override {
        registry.SetValue(Hive::CurrentUser, core::kCurrentVersion, "Tb", "0", ValueType::String);
        registry.DeleteValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT");
        Stop();
    }
    void Launch() { ASSERT_TRUE(wine_tests::Launch(L"Quarvel.exe", process)); }
    bool Ended(int waitMs = 5000) {
        return WaitForSingleObject(process.hProcess, waitMs) == WAIT_OBJECT_0;
    }
    void Stop() {
        if (!process.hProcess) return;
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        process = {};
    }
    static bool WaitGone(HWND window) {
        for (int i = 0; i < 250 && IsWindow(window); ++i) Sleep(20);
        return !IsWindow(window);
    }
    static bool WaitRestored(HWND window) {
        for (int i = 0; i < 250 && IsIconic(window); ++i) Sleep(20);
        return !IsIconic(window);
    }

    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    RegistryAccess registry{api, codec};
    PROCESS_INFORMATION process = {};
};

TEST_F(WizardProcess, FirstStartShowsTheWizardMenuAndModoNormalBringsTheMainMenuBack) {
    Launch();
    HWND wizard = FindTopLevel(kWizardCaption, process.dwProcessId);
    HWND menu = FindTopLevel(kMenuCaption, process.dwProcessId);
    ASSERT_NE(wizard, nullptr);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(IsIconic(menu));
    EXPECT_FALSE(IsIconic(wizard));
    HWND normal = FindWindowExW(wizard, nullptr, L"Static", L"Modo normal");
    ASSERT_NE(normal, nullptr);
    wine_tests::Click(normal);
    EXPECT_TRUE(WaitGone(wizard));
    EXPECT_TRUE(WaitRestored(menu));
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Ended());
}

TEST_F(WizardProcess, ACodeSetInTheLockCodeScreenGuardsTheNextStart) {
    {
        RealProgram real;
        auto& screen = real.program.screens.Open<options::frmPWDOPT>(real.program.context);
        real.Pump();
        EXPECT_EQ(wine_tests::WindowTextUtf8(real.Window(screen)), "Controle de Senhas");
        wine_tests::Type(real.Window(screen.Text2), "Segredo");
        real.Pump();
        MessageBoxAnswerer answerer;
        real.ClickAndPump(screen.Label3);
        EXPECT_EQ(answerer.Seen(),
                  (std::vector<SeenMessage>{
                      {"Sua código-trava foi configurado com sucesso", "Sucesso"}}));
    }
    EXPECT_EQ(RawText(HKEY_LOCAL_MACHINE, core::kCurrentVersion, "SYSNOT"), "Segredo");

    constexpr char kGateCaption[] = "Digite o seu código-trava ";
    Launch();
    HWND gate = FindTopLevel(kGateCaption, process.dwProcessId);
    ASSERT_NE(gate, nullptr);
    wine_tests::Type(FindWindowExW(gate, nullptr, L"Edit", nullptr), "Segred0");
    wine_tests::Click(FindWindowExW(gate, nullptr, L"Static", L"OK"));
    HWND box = FindTopLevel("Erro de Autenticação", process.dwProcessId);
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(FindTopLevel(kMenuCaption, process.dwProcessId, 0), nullptr);
    Stop();

    Launch();
    gate = FindTopLevel(kGateCaption, process.dwProcessId);
    ASSERT_NE(gate, nullptr);
    wine_tests::Type(FindWindowExW(gate, nullptr, L"Edit", nullptr), "Segredo");
    wine_tests::Click(FindWindowExW(gate, nullptr, L"Static", L"OK"));
    EXPECT_NE(FindTopLevel(kWizardCaption, process.dwProcessId), nullptr);
    HWND menu = FindTopLevel(kMenuCaption, process.dwProcessId);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(IsIconic(menu));
}

TEST(WizardWindow, GamesTickedAndAppliedThenBlockWithAnEmptyListSwitchesTheRestrictionOn) {
    RealProgram real;
    ForgetAllowList(real.program.registry);
    auto& allowList = real.program.screens.Open<restrictions::frmRestE>(real.program.context);
    real.Pump();
    real.ClickAndPump(allowList.Label9);  // "Assistente"
    auto* wizard = real.program.screens.Find<restrictions::frmWizrd2>();
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(real.program.screens.Find<restrictions::frmRestE>(), nullptr);
    EXPECT_NE(FindTopLevel("Assistente de Restrições", 0, 500), nullptr);
    RECT picture;
    GetClientRect(real.Window(wizard->Image1), &picture);
    EXPECT_EQ(picture.right, 150) << "the side picture's own size";
    EXPECT_EQ(picture.bottom, 494);
    const forms::Control& games = *wizard->Find("Check28");
    EXPECT_EQ(wine_tests::WindowTextUtf8(real.Window(games)), "Jogos do Windows");
    real.ClickAndPump(games);
    EXPECT_EQ(SendMessageW(real.Window(games), BM_GETCHECK, 0, 0), BST_CHECKED);
    {
        MessageBoxAnswerer answerer;
        real.ClickAndPump(wizard->Label3);  // "Aplicar"
        EXPECT_EQ(
            answerer.Seen(),
            (std::vector<SeenMessage>{{"As alterações foram aplicadas com sucesso, volte a tela "
                                       "anterior e clique em bloquear",
                                       "Quarvel"}}));
    }
    real.ClickAndPump(wizard->Label1);  // "Cancelar"
    auto* back = real.program.screens.Find<restrictions::frmRestE>();
    ASSERT_NE(back, nullptr);
    EXPECT_NE(FindTopLevel("Restrição de executáveis", 0, 500), nullptr);
    EXPECT_EQ(SendMessageW(real.Window(back->List1), LB_GETCOUNT, 0, 0), 0);
    {
        MessageBoxAnswerer answerer;
        real.ClickAndPump(back->Label5);  // "Bloquear"
        EXPECT_EQ(
            answerer.Seen(),
            (std::vector<SeenMessage>{{"As restrições foram aplicadas com sucesso", "Quarvel"}}));
    }
    using restrictions::allow_list::kListKey;
    EXPECT_EQ(RawText(HKEY_CURRENT_USER, restrictions::kExplorerPolicyKey, "RestrictRun"), "1");
    EXPECT_EQ(RawText(HKEY_CURRENT_USER, kListKey, "642"), "FREECELL.exe");
    EXPECT_EQ(RawText(HKEY_CURRENT_USER, kListKey, "1"), "Quarvel.exe");
    ForgetAllowList(real.program.registry);
}

}  // namespace
