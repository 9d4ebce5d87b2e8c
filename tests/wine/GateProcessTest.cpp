// Quarvel.exe itself, started as a process: the lock-code gate and the
// wizard mode of a first start.
#include <gtest/gtest.h>

#include "tests/support/Keys.h"
#include "tests/wine/support/ScreenWindowDriver.h"

namespace {

using namespace wine_tests;

constexpr char kGate[] = "Digite o seu código-trava ";
const std::string kMenu = "Quarvel 2.0 - www.quarvel.com.br" + ThisAccountSuffix();
const std::string kWizard = "Quarvel 2.0 - Assistente de Configurações" + ThisAccountSuffix();

// Types the answer into the gate and clicks OK; the gate hides what is typed.
void Answer(const Process& quarvel, const char* answer) {
    HWND gate = FindTopLevel(kGate, quarvel.info.dwProcessId);
    ASSERT_NE(gate, nullptr);
    HWND edit = FindWindowExW(gate, nullptr, L"Edit", nullptr);
    EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD, ES_PASSWORD);
    TypeKeys(edit, answer);
    Click(FindWindowExW(gate, nullptr, L"Static", L"OK"));
}

TEST(GateProcess, AStoredCodeShutsOutAWrongAnswerAndOpensTheWizardMenuOnTheRightOne) {
    RealProgram real;
    KeptRegistry kept{real.program.registry};
    kept.Set({Hive::LocalMachine, kCurrentVersion, "SYSNOT", "Segredo"});
    kept.Set({Hive::CurrentUser, kCurrentVersion, "Tb"});  // a first start
    {
        Process quarvel(L"Quarvel.exe");
        MessageBoxAnswerer answerer({}, quarvel.info.dwProcessId);
        Answer(quarvel, "segredo");  // letter case counts
        EXPECT_TRUE(quarvel.Ends(5000));
        EXPECT_EQ(answerer.Seen(), (Said{{"Seu código é inválido, para maiores informações, "
                                          "envie um E-mail para suporte@quarvel.com.br",
                                          "Erro de Autenticação", 0}}));
    }
    Process quarvel(L"Quarvel.exe");
    DWORD id = quarvel.info.dwProcessId;
    Answer(quarvel, "Segredo");
    HWND wizard = FindTopLevel(kWizard, id), menu = FindTopLevel(kMenu, id);
    ASSERT_TRUE(wizard && menu);
    EXPECT_TRUE(Within(5000, [&] { return !FindTopLevel(kGate, id, 0); }));
    EXPECT_TRUE(IsIconic(menu));
    Click(FindWindowExW(wizard, nullptr, L"Static", L"Modo normal"));
    EXPECT_TRUE(Within(5000, [&] { return !IsWindow(wizard) && !IsIconic(menu); }));
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quarvel.Ends(5000));
}

}  // namespace
