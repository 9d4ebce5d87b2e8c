// The logon message, the Start menu's program list and the media player list.
#include <gtest/gtest.h>

#include "personalization/PersonalizationScreens.h"
#include "personalization/frmPersDesk.h"
#include "tests/support/RegistryVerbs.h"
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
    for (const char* name : {"LegalNoticeCaption", "LegalNoticeText"})
        EXPECT_TRUE(
            testing_support::IsAbsent(program.registry, Hive::LocalMachine, kWinlogon, name));
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
    EXPECT_TRUE(testing_support::KeyIsAbsent(program.registry, Hive::CurrentUser, kRecent));
    EXPECT_TRUE(
        program.registry.KeyExists(Hive::CurrentUser, "Software\\Microsoft\\MediaPlayer\\Player"));
    screen.Label11.UserClick();
    const ShownMessage cleared{"A lista foi limpa com sucesso", "Aviso", 64};
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{cleared, cleared}));
}

}  // namespace
