// The logon message, the Start menu's program list and the media player list.
#include <gtest/gtest.h>

#include "personalization/PersonalizationScreens.h"
#include "personalization/frmPersDesk.h"
#include "menus/frnINI.h"
#include "tests/support/TestProgram.h"

namespace {

using forms::SysColor;
using personalization::frmPersDesk;
using testing_support::ShownMessage;

constexpr std::string_view kWinlogon = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
constexpr std::string_view kAdvanced =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
constexpr std::string_view kRecent = "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";

class DesktopPersonalization : public ::testing::Test {
  protected:
    void SetUp() override {
        program.registry.CreateKey(Hive::LocalMachine, kWinlogon);
        program.registry.CreateKey(Hive::CurrentUser, kAdvanced);
    }
    frmPersDesk& Open() {
        program.screens.Close<frmPersDesk>();
        return program.screens.Open<frmPersDesk>(program.context);
    }
    std::string Read(Hive hive, std::string_view key, std::string_view name) {
        return program.registry.GetValue(hive, key, name);
    }
    bool KeyExists(Hive hive, std::string_view key) {
        platform::KeyHandle handle = 0;
        if (program.registryApi.OpenKey(static_cast<std::uint32_t>(hive), std::string(key), 0x3F,
                                        handle) != 0)
            return false;
        program.registryApi.CloseKey(handle);
        return true;
    }
    static bool Scrolls(const frmPersDesk& screen) {
        EXPECT_NE(screen.startMenu.on.backColor(), screen.startMenu.off.backColor());
        return screen.startMenu.on.backColor() == SysColor::Highlight;
    }

    testing_support::TestProgram program;
};

TEST_F(DesktopPersonalization, TheLogonMessageIsWrittenAsTypedLineBreaksIncluded) {
    frmPersDesk& screen = Open();
    EXPECT_EQ(screen.caption(), "Desktop");
    EXPECT_EQ(screen.Text3.text(), "");
    screen.Text3.UserType("Aviso");
    screen.Text4.UserType("Linha um\r\nLinha dois");
    screen.Label7.UserClick();
    EXPECT_EQ(Read(Hive::LocalMachine, kWinlogon, "LegalNoticeCaption"), "Aviso");
    EXPECT_EQ(Read(Hive::LocalMachine, kWinlogon, "LegalNoticeText"), "Linha um\r\nLinha dois");
    EXPECT_EQ(program.dialogs.messages,
              (std::vector<ShownMessage>{{"A mensagem de logon foi criada com sucesso, efetue "
                                          "logoff para conferir os resultados",
                                          "Quarvel", 64}}));
    frmPersDesk& again = Open();
    EXPECT_EQ(again.Text3.text(), "Aviso");
    EXPECT_EQ(again.Text4.text(), "Linha um\r\nLinha dois");
}

TEST_F(DesktopPersonalization, RemovingTheMessageKeepsTheFieldsForAnotherAplicar) {
    frmPersDesk& screen = Open();
    screen.Text3.UserType("Título");
    screen.Text4.UserType("Texto");
    screen.Label7.UserClick();
    screen.Label2.UserClick();
    EXPECT_EQ(Read(Hive::LocalMachine, kWinlogon, "LegalNoticeCaption"), "");
    EXPECT_EQ(Read(Hive::LocalMachine, kWinlogon, "LegalNoticeText"), "");
    EXPECT_EQ(program.dialogs.messages.back(),
              (ShownMessage{"A Mensagem foi removida com sucesso", "Aviso", 0}));
    EXPECT_EQ(screen.Text3.text(), "Título");
    screen.Label7.UserClick();
    EXPECT_EQ(Read(Hive::LocalMachine, kWinlogon, "LegalNoticeCaption"), "Título");
    screen.Label2.UserClick();
    screen.Label2.UserClick();  // nothing left to remove: the same message
    EXPECT_EQ(program.dialogs.messages.size(), 5u);
    EXPECT_EQ(Open().Text3.text(), "");
}

TEST_F(DesktopPersonalization, TheStartMenuScrollsOnlyForExactlyYes) {
    EXPECT_FALSE(Scrolls(Open())) << "absent: columns";
    for (auto [stored, scrolls] : {std::pair{"YES", true}, {"yes", false}, {"NO", false}}) {
        program.registry.SetValue(Hive::CurrentUser, kAdvanced, "StartMenuScrollPrograms", stored,
                                  ValueType::String);
        EXPECT_EQ(Scrolls(Open()), scrolls) << stored;
    }
    frmPersDesk& screen = Open();
    EXPECT_EQ(screen.startMenu.on.caption(), "Rolagem");
    EXPECT_EQ(screen.startMenu.off.caption(), "Colunas");
    screen.startMenu.on.UserClick();
    EXPECT_EQ(Read(Hive::CurrentUser, kAdvanced, "StartMenuScrollPrograms"), "YES");
    EXPECT_TRUE(Scrolls(Open()));
    Open().startMenu.off.UserClick();
    EXPECT_EQ(Read(Hive::CurrentUser, kAdvanced, "StartMenuScrollPrograms"), "NO");
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST_F(DesktopPersonalization, ClearingTheMediaListDeletesItsKeyAndAlwaysReports) {
    program.registry.CreateKey(Hive::CurrentUser, kRecent);
    program.registry.SetValue(Hive::CurrentUser, kRecent, "File0", "C:\\musica.mp3",
                              ValueType::String);
    frmPersDesk& screen = Open();
    screen.Label11.UserClick();
    EXPECT_FALSE(KeyExists(Hive::CurrentUser, kRecent));
    EXPECT_TRUE(KeyExists(Hive::CurrentUser, "Software\\Microsoft\\MediaPlayer\\Player"));
    screen.Label11.UserClick();
    const ShownMessage cleared{"A lista foi limpa com sucesso", "Aviso", 64};
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{cleared, cleared}));
}

TEST_F(DesktopPersonalization, EveryEntryOfTheTwoGroupsOpensItsScreenFromTheMainMenu) {
    program.registry.CreateKey(Hive::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    program.registry.SetValue(Hive::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                              "Tb", "0", ValueType::String);
    menus::frnINI& menu = program.screens.Open<menus::frnINI>(program.context);
    const std::pair<const char*, const char*> entries[] = {
        {"Label15", "frmOtiS"}, {"Label14", "frmOtiD"},     {"Label13", "frmOtiIE"},
        {"Label18", "frmNovo"}, {"Label17", "frmPersDesk"}, {"Label16", "frmPersIE"}};
    for (auto [control, screen] : entries) {
        menu.Find(control)->UserClick();
        EXPECT_EQ(program.renderer.shown.back(), screen) << control;
    }
    menu.Find("Label18")->UserClick();
    EXPECT_EQ(program.renderer.broughtForward.back(), "frmNovo");
    EXPECT_EQ(program.screens.Count(), 7u);
}

}  // namespace
