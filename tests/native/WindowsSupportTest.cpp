// Which Windows honours each setting, what each screen says of it, and the
// start page that reaches today's browsers.
#include <gtest/gtest.h>

#include "core/Target.h"
#include "core/WindowsSupport.h"
#include "optimization/frmOtiIE.h"
#include "personalization/frmPersIE.h"
#include "restrictions/PolicyScreens.h"
#include "tests/support/PolicyObjectVerbs.h"
#include "tests/support/ScreenVerbs.h"

namespace {

using namespace testing_support;
using namespace std::string_literals;
using changes::ImportStatus;

const platform::WindowsVersion kXP{5, 1, 2600}, k7{6, 1, 7601}, k10{10, 0, 19045},
    k11{10, 0, 22000};  // the disk cache's line and the browsers' line: the Wine test

TEST(WindowsSupport, EachSettingIsHonouredWhereMicrosoftsTemplatesSaySo) {
    // "Supported on" of the Administrative Templates, typed from them; an
    // unknown setting counts as honoured (nothing is said of it).
    // clang-format off
    const struct { const char* setting; bool xp, seven, ten, eleven; } rows[] = {
        {"NoFolderOptions",      true,  true,  true,  true},   // at least Windows 2000
        {"NoDrives",             true,  true,  true,  true},
        {"NoFind",               true,  false, false, false},  // Windows Server 2003 and XP only
        {"NoSMHelp",             true,  true,  false, false},  // ... Windows 7, Vista, XP and 2000
        {"NoNetworkConnections", true,  false, false, false},  // ... Vista, XP and 2000
        {"NoDispSettingsPage",   true,  false, false, false},  // 2003, XP and 2000 only
        {"NoSecCPL",             false, false, false, false},  // Windows 95 and 98 only
        {"NoRun",                true,  true,  true,  true},   // templates and MDM disagree
        {"Window Title",         true,  true,  false, false},  // Internet Explorer, retired
        {"Start Page",           true,  true,  true,  true},   // today's browsers follow it
        {"NoSplash",             true,  false, false, false},  // Outlook Express, gone in Vista
        {"fs templates",         false, false, false, false},  // Windows 95 to Me
        {"RestrictRun",          true,  true,  true,  true},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.setting);
        const bool expected[] = {row.xp, row.seven, row.ten, row.eleven};
        const platform::WindowsVersion versions[] = {kXP, k7, k10, k11};
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(core::Honours(core::ReleaseOf(versions[i]), row.setting), expected[i]) << i;
    }
    // Windows 11 is 10.0 from build 22000 on; 8.1 is 6.3.
    EXPECT_EQ(core::ReleaseOf({10, 0, 21999}), core::Windows::W10);
    EXPECT_EQ(core::ReleaseOf({10, 0, 22000}), core::Windows::W11);
    EXPECT_EQ(core::ReleaseOf({6, 3, 9600}), core::Windows::W81);
    EXPECT_EQ(core::KeyGoneOn(core::Windows::W10,
                              "Software\\Microsoft\\Windows\\CurrentVersion\\"
                              "FS Templates\\Desktop"),
              "FS Templates");
    EXPECT_EQ(core::KeyGoneOn(core::Windows::W10, "Software\\My FS Templates"), "");
}

// The line under a screen's controls, and the notice at the top of the two
// screens of the retired browser and mail program.
TEST(WindowsSupport, EveryScreenSaysWhatThisWindowsIgnores) {
    const std::string desktop7 =
        "Sem efeito neste Windows: Remove o comando pesquisar; Remove o ítem do Active Desktop "
        "da página de configurações";
    const std::string desktop10 =
        "Sem efeito neste Windows: Esconde o menu Favoritos; Esconde os documentos recentes no "
        "menu iniciar; Remove o comando pesquisar; Remove a opção de ajuda do menu iniciar; "
        "Remove o ítem do Active Desktop da página de configurações";
    const std::string retired =
        "Estas opções são do Internet Explorer e do Outlook Express, que o Windows 10 e o 11 não "
        "usam mais.";
    const std::string persIE10 =
        "Sem efeito neste Windows: Salvar histórico da seção ao sair; Depuração de Scripts; "
        "Perguntar sobre a gravação de senha; Sugestões; Mensagens sobre Erros; Adicionar um "
        "texto na barra de título do Outlook Express; Adicionar um texto na barra de Título do "
        "Internet Explorer";
    // clang-format off
    const struct { platform::WindowsVersion windows; std::string desktop, persIE, top; } cases[] = {
        {kXP, "",        "",       ""},
        {k7,  desktop7,  "Sem efeito neste Windows: Adicionar um texto na barra de título do "
                         "Outlook Express", ""},
        {k11, desktop10, persIE10, retired},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windows.major * 100 + c.windows.minor);
        TestProgram program;
        program.accounts.windows = c.windows;
        auto shows = [](forms::Form& screen, const char* label) {
            const forms::Control* control = screen.Find(label);
            return control && control->visible() ? control->caption() : "";
        };
        auto& desktop = program.screens.Open<restrictions::frmRestD>(program.context);
        EXPECT_EQ(shows(desktop, "LabelWindows"), c.desktop);
        EXPECT_GE(desktop.height(),
                  desktop.LabelWindows.rect().y + desktop.LabelWindows.rect().height);
        auto& persIE = program.screens.Open<personalization::frmPersIE>(program.context);
        EXPECT_EQ(shows(persIE, "LabelWindows"), c.persIE);
        EXPECT_EQ(shows(persIE, "LabelRetired"), c.top);
        auto& tuning = program.screens.Open<optimization::frmOtiIE>(program.context);
        EXPECT_EQ(shows(tuning, "LabelRetired"), c.top);
        EXPECT_GT(tuning.Label15.rect().y, tuning.LabelRetired.rect().y);
    }
}

// What the start page becomes for Firefox, Edge and Chrome, and that an empty
// page (or about:blank) takes all of it away, for this account and for a
// policy object alike.
TEST(BrowserStartPage, TodaysBrowsersGetThePageAndLoseItAgain) {
    const char* firefox = "Software\\Policies\\Mozilla\\Firefox\\Homepage";
    const char* edge = "Software\\Policies\\Microsoft\\Edge";
    const char* chrome = "Software\\Policies\\Google\\Chrome";
    const std::string page = "http://escola.br";
    // clang-format off
    const struct { std::string key, name, text; } set[] = {
        {firefox, "URL", page}, {firefox, "StartPage", "homepage"},
        {edge, "HomepageLocation", page}, {edge, "RestoreOnStartup", "4"},
        {edge + "\\RestoreOnStartupURLs"s, "1", page},
        {chrome, "HomepageLocation", page}, {chrome, "RestoreOnStartup", "4"},
        {chrome + "\\RestoreOnStartupURLs"s, "1", page},
    };
    // clang-format on
    for (bool object : {false, true}) {
        SCOPED_TRACE(object ? "Usuários comuns" : "Esta conta");
        Computer computer;
        if (object) {
            ASSERT_EQ(core::ChooseTarget(computer.context, core::TargetKind::NonAdministrators),
                      core::TargetChoice::Chosen);
        }
        auto& screen = computer.screens.Open<personalization::frmPersIE>(computer.context);
        auto typed = [&](const std::string& text) {
            screen.Text29.UserType(text);
            return RunCommands(computer, screen, {"Label18"});
        };
        const ShownMessage done{"As alterações foram efetuadas com sucesso", "Quarvel", 64};
        EXPECT_EQ(typed(page), std::vector<ShownMessage>{done});
        for (const auto& entry : set) {  // read back through the target: object or hive
            EXPECT_TRUE(HasValue(computer.registry, kCU, entry.key, entry.name, entry.text));
            bool number = !object && entry.name == "RestoreOnStartup";
            EXPECT_TRUE(!number || TypeOf(computer.registryApi, kCU, entry.key, entry.name) == 4u);
        }
        for (const std::string& cleared : {""s, "about:blank"s}) {
            typed(page);
            EXPECT_EQ(typed(cleared), std::vector<ShownMessage>{done});
            for (const auto& entry : set)
                EXPECT_TRUE(IsAbsent(computer.registry, kCU, entry.key, entry.name))
                    << entry.key << "\\" << entry.name;
        }
        // The import sets and takes away the same, from the start page's record.
        EXPECT_EQ(computer.Import({"QVa8" + page}), ImportStatus::Done);
        EXPECT_TRUE(HasValue(computer.registry, kCU, edge, "HomepageLocation", page));
        EXPECT_TRUE(HasValue(computer.registry, kCU, chrome, "RestoreOnStartup", "4"));
        EXPECT_EQ(computer.Import({"QVa8"}), ImportStatus::Done);
        EXPECT_TRUE(IsAbsent(computer.registry, kCU, firefox, "URL"));
        EXPECT_TRUE(IsAbsent(computer.registry, kCU, edge + "\\RestoreOnStartupURLs"s, "1"));
    }
}

}  // namespace
