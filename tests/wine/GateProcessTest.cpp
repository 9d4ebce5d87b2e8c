// Quarvel.exe itself, started as a process: the lock-code gate.
#include <gtest/gtest.h>

#include "tests/support/RegistryVerbs.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using namespace wine_tests;

constexpr char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kGate[] = "Digite o seu código-trava ";
constexpr char kMenu[] = "Quarvel 2.0 - www.quarvel.com.br";

class GateProcess : public ::testing::Test {
  protected:
    void TearDown() override {
        registry.DeleteValue(Hive::LocalMachine, kCurrentVersion, "SYSNOT");
        if (!process.hProcess) return;
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    // Starts Quarvel.exe with this lock code (none: empty) and, when there is
    // a gate, types the answer and clicks OK.
    void Start(const char* code, const char* answer) {
        testing_support::PutText(registry, Hive::CurrentUser, kCurrentVersion, "Tb", "0");
        if (*code)
            testing_support::PutText(registry, Hive::LocalMachine, kCurrentVersion, "SYSNOT", code);
        ASSERT_TRUE(Launch(L"Quarvel.exe", process));
        if (!*code) return;
        HWND gate = FindTopLevel(kGate, process.dwProcessId);
        ASSERT_NE(gate, nullptr);
        HWND edit = FindWindowExW(gate, nullptr, L"Edit", nullptr);
        EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD, ES_PASSWORD);
        Type(edit, answer);
        Click(FindWindowExW(gate, nullptr, L"Static", L"OK"));
    }
    bool Ended() { return WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0; }
    void CloseMenu() {
        HWND menu = FindTopLevel(kMenu, process.dwProcessId);
        ASSERT_NE(menu, nullptr);
        for (int i = 0; i < 100 && FindTopLevel(kGate, process.dwProcessId, 0); ++i) Sleep(20);
        EXPECT_EQ(FindTopLevel(kGate, process.dwProcessId, 0), nullptr) << "the gate is gone";
        PostMessageW(menu, WM_CLOSE, 0, 0);
        EXPECT_TRUE(Ended());
    }

    app::Program program{GetModuleHandleW(nullptr)};
    RegistryAccess& registry = program.registry;
    PROCESS_INFORMATION process = {};
};

TEST_F(GateProcess, AWrongCodeEndsTheProgramAfterTheMessage) {
    Start("Segredo", "segredo");
    HWND box = FindTopLevel("Erro de Autenticação", process.dwProcessId);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box),
              "Seu código é inválido, para maiores informações, envie um E-mail para "
              "suporte@quarvel.com.br");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(FindTopLevel(kMenu, process.dwProcessId, 0), nullptr);
}

TEST_F(GateProcess, TheRightCodeOpensTheMainMenu) {
    Start("Segredo", "Segredo");
    CloseMenu();
}

TEST_F(GateProcess, WithoutACodeTheMainMenuOpensDirectly) {
    Start("", "");
    CloseMenu();
}

}  // namespace
