// Browser and mail tuning: switches in two hives, the download folder and
// the mail program's splash screen.
#include <gtest/gtest.h>

#include "optimization/frmOtiIE.h"
#include "tests/support/OnOffReading.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"

namespace {

using testing_support::ShowsOn;

using forms::SysColor;
using optimization::frmOtiIE;
using testing_support::ShownMessage;

constexpr std::string_view kMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr std::string_view kMail = "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express\\5.0";

class BrowserOptimization : public ::testing::Test {
  protected:
    void SetUp() override {
        for (Hive hive : {Hive::CurrentUser, Hive::LocalMachine})
            program.registry.CreateKey(hive, kMain);
        program.registry.CreateKey(Hive::CurrentUser, kMail);
        program.registry.SetValue(Hive::CurrentUser, "Identities", "Default User ID", "{ID-1}",
                                  ValueType::String);
    }
    frmOtiIE& Open() {
        program.screens.Close<frmOtiIE>();
        return program.screens.Open<frmOtiIE>(program.context);
    }
    void Store(Hive hive, std::string_view name, std::string_view value) {
        program.registry.SetValue(hive, kMain, name, value, ValueType::String);
    }
    std::string Read(Hive hive, std::string_view key, std::string_view name) {
        return program.registry.GetValue(hive, key, name);
    }
    testing_support::TestProgram program;
};

TEST_F(BrowserOptimization, EachSwitchIsReadAndWrittenInItsOwnHive) {
    // The same names in the other hive must not count.
    Store(Hive::CurrentUser, "Enable_Disk_Cache", "yes");
    Store(Hive::LocalMachine, "Show_FullURL", "yes");
    Store(Hive::LocalMachine, "Use_Async_DNS", "yes");
    Store(Hive::CurrentUser, "FullScreen", "YES");
    frmOtiIE& screen = Open();
    ASSERT_EQ(screen.switches.size(), 5u);
    EXPECT_FALSE(ShowsOn(screen.switches.pair(0))) << "Enable_Disk_Cache is machine-wide";
    EXPECT_FALSE(ShowsOn(screen.switches.pair(1)));
    EXPECT_TRUE(ShowsOn(screen.switches.pair(2))) << "Use_Async_DNS";
    EXPECT_FALSE(ShowsOn(screen.switches.pair(3))) << "Show_FullURL is per user";
    EXPECT_FALSE(ShowsOn(screen.switches.pair(4))) << "only lower-case yes counts";

    screen.switches.pair(0).on.UserClick();
    screen.switches.pair(4).on.UserClick();
    screen.switches.pair(3).off.UserClick();
    EXPECT_EQ(Read(Hive::LocalMachine, kMain, "Enable_Disk_Cache"), "yes");
    EXPECT_EQ(Read(Hive::CurrentUser, kMain, "FullScreen"), "yes");
    EXPECT_EQ(Read(Hive::CurrentUser, kMain, "Show_FullURL"), "no");
    EXPECT_EQ(Read(Hive::LocalMachine, kMain, "Show_FullURL"), "yes") << "untouched";
    EXPECT_TRUE(ShowsOn(screen.switches.pair(0)));
    EXPECT_EQ(screen.Find("LabelT"), &screen.switches.pair(0).on);
    EXPECT_EQ(screen.Find("Label16"), &screen.switches.pair(3).off);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST_F(BrowserOptimization, TheDownloadFolderIsWrittenAsTypedAndAplicarTogglesItsColour) {
    Store(Hive::CurrentUser, "Save Directory", "C:\\Baixados");
    frmOtiIE& screen = Open();
    EXPECT_EQ(screen.Text1.text(), "C:\\Baixados");
    SysColor before = screen.Label17.backColor();
    screen.Text1.UserType("Z:\\não existe");
    screen.Label17.UserClick();
    EXPECT_EQ(Read(Hive::CurrentUser, kMain, "Save Directory"), "Z:\\não existe");
    EXPECT_NE(screen.Label17.backColor(), before);
    screen.Label17.UserClick();
    EXPECT_EQ(screen.Label17.backColor(), before);
    EXPECT_EQ(program.dialogs.messages,
              (std::vector<ShownMessage>(
                  2, {"As alterações foram aplicadas com sucesso", "Quarvel", 64})));
}

TEST_F(BrowserOptimization, TheSplashIsSwitchedForTheChosenVersion) {
    frmOtiIE& screen = Open();
    EXPECT_EQ(screen.splash.on.backColor(), SysColor::ButtonShadow);
    EXPECT_EQ(screen.splash.off.backColor(), SysColor::ButtonShadow);
    screen.Label3.UserClick();
    EXPECT_EQ(screen.chosenVersion(), "5.0");
    EXPECT_EQ(screen.Label3.backColor(), SysColor::Highlight);
    EXPECT_EQ(screen.Label2.backColor(), SysColor::ButtonShadow);
    screen.splash.off.UserClick();
    EXPECT_EQ(Read(Hive::CurrentUser, kMail, "NoSplash"), "1");
    EXPECT_EQ(program.registry.Snapshot(Hive::CurrentUser, kMail, "NoSplash")->type, 1u)
        << "REG_SZ, not a number";
    EXPECT_FALSE(ShowsOn(screen.splash));
    screen.splash.on.UserClick();
    EXPECT_TRUE(testing_support::IsAbsent(program.registry, Hive::CurrentUser, kMail, "NoSplash"));
    EXPECT_TRUE(ShowsOn(screen.splash));
    EXPECT_EQ(program.dialogs.messages,
              (std::vector<ShownMessage>{
                  {"A tela de abertura da versão: 5.0 foi desligada", "Quarvel", 64},
                  {"A tela de abertura da versão: 5.0 foi ligada", "Quarvel", 64}}));
    program.registry.SetValue(Hive::CurrentUser, kMail, "NoSplash", "1", ValueType::String);
    EXPECT_EQ(Open().splash.off.backColor(), SysColor::ButtonShadow)
        << "the stored splash is not shown on opening";
}

TEST_F(BrowserOptimization, WithoutAVersionTheSplashAsksForOneAndWritesNothing) {
    constexpr std::string_view kParent = "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express";
    frmOtiIE& screen = Open();
    screen.splash.off.UserClick();
    EXPECT_EQ(program.dialogs.messages,
              (std::vector<ShownMessage>{
                  {"Escolha primeiro a versão do programa: 4.0, 5.0 ou 6.0.", "Quarvel", 64}}));
    EXPECT_TRUE(
        testing_support::IsAbsent(program.registry, Hive::CurrentUser, kParent, "NoSplash"));
    EXPECT_EQ(screen.splash.off.backColor(), SysColor::ButtonShadow);
}

TEST_F(BrowserOptimization, VersionSixGivesTheXpHintFirstAndIsChosenAnyway) {
    frmOtiIE& screen = Open();
    screen.Label4.UserClick();
    EXPECT_EQ(program.dialogs.messages,
              (std::vector<ShownMessage>{
                  {"Se o seu sistema operacional for o Windows XP, selecione a versão 5.0",
                   "Quarvel", 64}}));
    EXPECT_EQ(screen.chosenVersion(), "6.0");
    EXPECT_EQ(screen.Label4.backColor(), SysColor::Highlight);
}

}  // namespace
