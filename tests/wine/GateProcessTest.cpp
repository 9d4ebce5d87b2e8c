// Quarvel.exe itself, started as a process: the lock-code gate.
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using wine_tests::FindTopLevel;

constexpr char kGateCaption[] = "Digite o seu código-trava ";
constexpr char kMenuCaption[] = "Quarvel 2.0 - www.quarvel.com.br";

class GateProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        registry.CreateKey(Hive::LocalMachine, core::kCurrentVersion);
        registry.CreateKey(Hive::CurrentUser, core::kCurrentVersion);
        registry.SetValue(Hive::CurrentUser, core::kCurrentVersion, "Tb", "0", ValueType::String);
    }
    void TearDown() override {
        registry.DeleteValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT");
        registry.DeleteValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT2");
        if (process.hProcess) {
            TerminateProcess(process.hProcess, 1);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
    }
    void SetCode(const std::string& code) {
        registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", code,
                          ValueType::String);
    }
    void Launch() { ASSERT_TRUE(wine_tests::Launch(L"Quarvel.exe", process)); }
    HWND Child(HWND parent, const wchar_t* kind, const wchar_t* text) {
        return FindWindowExW(parent, nullptr, kind, text);
    }
    bool Ended(int waitMs = 5000) {
        return WaitForSingleObject(process.hProcess, waitMs) == WAIT_OBJECT_0;
    }

    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    RegistryAccess registry{api, codec};
    PROCESS_INFORMATION process = {};
};

TEST_F(GateProcess, AWrongCodeEndsTheProgramAfterTheMessage) {
    SetCode("Segredo");
    Launch();
    HWND gate = FindTopLevel(kGateCaption, process.dwProcessId);
    ASSERT_NE(gate, nullptr);
    wine_tests::Type(Child(gate, L"Edit", nullptr), "segredo");
    wine_tests::Click(Child(gate, L"Static", L"OK"));
    HWND box = FindTopLevel("Erro de Autenticação", process.dwProcessId);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(wine_tests::MessageText(box),
              "Seu código é inválido, para maiores informações, envie um E-mail para "
              "suporte@quarvel.com.br");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(FindTopLevel(kMenuCaption, process.dwProcessId, 0), nullptr);
}

TEST_F(GateProcess, TheRightCodeOpensTheMainMenu) {
    SetCode("Segredo");
    Launch();
    HWND gate = FindTopLevel(kGateCaption, process.dwProcessId);
    ASSERT_NE(gate, nullptr);
    HWND edit = Child(gate, L"Edit", nullptr);
    EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD, ES_PASSWORD);
    wine_tests::Type(edit, "Segredo");
    wine_tests::Click(Child(gate, L"Static", L"OK"));
    HWND menu = FindTopLevel(kMenuCaption, process.dwProcessId);
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i < 100 && IsWindow(gate); ++i) Sleep(20);
    EXPECT_FALSE(IsWindow(gate));
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Ended());
}

TEST_F(GateProcess, WithoutACodeTheMainMenuOpensDirectly) {
    Launch();
    HWND menu = FindTopLevel(kMenuCaption, process.dwProcessId);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(FindTopLevel(kGateCaption, process.dwProcessId, 0), nullptr);
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Ended());
}

}  // namespace
