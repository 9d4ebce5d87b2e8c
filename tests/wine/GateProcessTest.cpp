// Quarvel.exe itself, started as a process: the lock-code gate and the
// wizard mode of a first start.
#include <gtest/gtest.h>

#include "options/frmPWDOPT.h"
#include "tests/support/Keys.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using namespace wine_tests;
using testing_support::kCurrentVersion;

constexpr char kGate[] = "Digite o seu código-trava ";
constexpr char kMenu[] = "Quarvel 2.0 - www.quarvel.com.br";
constexpr char kWizard[] = "Quarvel 2.0 - Assistente de Configurações";

class GateProcess : public ::testing::Test {
  protected:
    void TearDown() override {
        registry.DeleteValue(Hive::LocalMachine, kCurrentVersion, "SYSNOT");
        testing_support::PutText(registry, Hive::CurrentUser, kCurrentVersion, "Tb", "0");
        Stop();
    }
    void Stop() {
        if (!process.hProcess) return;
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        process = {};
    }
    // Starts Quarvel.exe and, when a gate shows, types the answer and clicks OK.
    void Start(const char* answer = nullptr) {
        Stop();
        ASSERT_TRUE(Launch(L"Quarvel.exe", process));
        if (!answer) return;
        HWND gate = FindTopLevel(kGate, process.dwProcessId);
        ASSERT_NE(gate, nullptr);
        HWND edit = FindWindowExW(gate, nullptr, L"Edit", nullptr);
        EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD, ES_PASSWORD);
        Type(edit, answer);
        Click(FindWindowExW(gate, nullptr, L"Static", L"OK"));
    }
    bool Ended() { return WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0; }
    static bool Waited(HWND window, bool (*done)(HWND)) {
        for (int i = 0; i < 250 && !done(window); ++i) Sleep(20);
        return done(window);
    }

    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    PROCESS_INFORMATION process = {};
};

TEST_F(GateProcess, WithoutACodeTheMainMenuOpensDirectly) {
    testing_support::PutText(registry, Hive::CurrentUser, kCurrentVersion, "Tb", "0");
    Start();
    HWND menu = FindTopLevel(kMenu, process.dwProcessId);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(FindTopLevel(kGate, process.dwProcessId, 0), nullptr);
    EXPECT_EQ(FindTopLevel(kWizard, process.dwProcessId, 0), nullptr);
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Ended());
}

TEST_F(GateProcess, ACodeSetOnItsScreenGuardsTheNextStartWhichThenOpensTheWizardMenu) {
    auto& screen = real.program.screens.Open<options::frmPWDOPT>(real.program.context);
    real.Pump();
    EXPECT_EQ(WindowTextUtf8(real.Window(screen)), "Controle de Senhas");
    Type(real.Window(screen.Text2), "Segredo");
    real.Pump();
    {
        MessageBoxAnswerer answerer;
        real.ClickAndPump(screen.Label3);
        EXPECT_EQ(answerer.Seen(),
                  (std::vector<SeenMessage>{
                      {"Sua código-trava foi configurado com sucesso", "Sucesso"}}));
    }
    EXPECT_TRUE(testing_support::HasValue(registry, Hive::LocalMachine, kCurrentVersion, "SYSNOT",
                                          "Segredo"));

    Start("segredo");  // letter case counts
    HWND box = FindTopLevel("Erro de Autenticação", process.dwProcessId);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box),
              "Seu código é inválido, para maiores informações, envie um E-mail para "
              "suporte@quarvel.com.br");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(FindTopLevel(kMenu, process.dwProcessId, 0), nullptr);

    registry.DeleteValue(Hive::CurrentUser, kCurrentVersion, "Tb");  // a first start
    Start("Segredo");
    HWND wizard = FindTopLevel(kWizard, process.dwProcessId);
    HWND menu = FindTopLevel(kMenu, process.dwProcessId);
    ASSERT_NE(wizard, nullptr);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Waited(FindTopLevel(kGate, process.dwProcessId, 0),
                       [](HWND w) { return !w || !IsWindow(w); }));
    EXPECT_TRUE(IsIconic(menu));
    Click(FindWindowExW(wizard, nullptr, L"Static", L"Modo normal"));
    EXPECT_TRUE(Waited(wizard, [](HWND w) { return !IsWindow(w); }));
    EXPECT_TRUE(Waited(menu, [](HWND w) { return !IsIconic(w); }));
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Ended());
}

}  // namespace
