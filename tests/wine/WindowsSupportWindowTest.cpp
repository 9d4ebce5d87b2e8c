// The real program on Windows 10 22H2 (Wine told so through the registry):
// the screens say in their own windows what does nothing there.
#include <gtest/gtest.h>

#include <set>

#include "tests/support/TransferVerbs.h"
#include "tests/wine/support/ScreenWindowDriver.h"

namespace {

using namespace testing_support;
using namespace wine_tests;

std::set<std::string> StaticTexts(HWND window) {
    std::set<std::string> texts;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            wchar_t kind[16] = {};
            GetClassNameW(child, kind, 16);
            if (lstrcmpiW(kind, L"Static") == 0 && IsWindowVisible(child))
                reinterpret_cast<std::set<std::string>*>(found)->insert(WindowTextUtf8(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

TEST(WindowsSupportWindow, OnWindows10TheScreensSayWhatDoesNothingThere) {
    RealProgram real;
    KeptRegistry kept{real.program.registry};
    kept.Set({Hive::LocalMachine, kNtCurrentVersion, "CurrentVersion", "10.0"});
    kept.Set({Hive::LocalMachine, kNtCurrentVersion, "CurrentBuildNumber", "19045"});
    kept.Set({Hive::CurrentUser, kCurrentVersion, "Tb", "0"});
    kept.Set({Hive::LocalMachine, kCurrentVersion, "SYSNOT"});
    Process quarvel(L"Quarvel.exe");
    DWORD id = quarvel.info.dwProcessId;
    MessageBoxAnswerer answerer({}, id);
    HWND menu = FindTopLevel("Quarvel 2.0 - www.quarvel.com.br" + ThisAccountSuffix(), id);
    ASSERT_NE(menu, nullptr);
    // Every window each entry of that caption opens (two entries share each caption).
    auto seen = [&](const wchar_t* entry) {
        std::set<std::string> texts;
        for (HWND label = FindWindowExW(menu, nullptr, L"Static", entry); label;
             label = FindWindowExW(menu, label, L"Static", entry)) {
            Click(label);
            HWND screen = FindTopLevel(platform::win32::Narrow(entry), id);
            if (!screen) continue;
            texts.merge(StaticTexts(screen));
            PostMessageW(screen, WM_CLOSE, 0, 0);
            Within(2000, [&] { return !IsWindow(screen); });
        }
        return texts;
    };
    std::set<std::string> system = seen(L"Sistema"), browser = seen(L"Internet Explorer");
    EXPECT_TRUE(system.contains("Sem efeito neste Windows: Mudar o cache do disco rígido"));
    for (const char* text :
         {"Estas opções são do Internet Explorer e do Outlook Express, que o Windows 10 e o 11 "
          "não usam mais.",
          "O Edge e o Chrome só seguem esta página em computadores de domínio ou gerenciados; o "
          "Firefox segue sempre.",
          "Sem efeito neste Windows: Habilitar o Cache de Disco; Deletar arquivos temporários ao "
          "sair; Usar DNS Assíncrono; Mostrar URL completa; Iniciando em Tela Cheia; Diretório "
          "de Salvamento; Tela de abertura do Outlook Express"})
        EXPECT_TRUE(browser.contains(text)) << text;
    EXPECT_TRUE(answerer.Seen().empty());
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quarvel.Ends(5000));
}

}  // namespace
