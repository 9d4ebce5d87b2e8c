// Browser and mail personalisation: switches, the mail title per version and
// identity, the start page and the browser title.
#include <gtest/gtest.h>

#include "personalization/frmPersIE.h"
#include "tests/support/OnOffReading.h"
#include "tests/support/TestProgram.h"

namespace {

using testing_support::ShowsOn;

using forms::SysColor;
using personalization::frmPersIE;
using testing_support::ShownMessage;

constexpr std::string_view kMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr std::string_view kMail4 = "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express\\4.0";
constexpr std::string_view kMail6 = "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express\\6.0";
const ShownMessage kDone{"As alterações foram efetuadas com sucesso", "Quarvel", 64};
const ShownMessage kRemoved{"O texto foi removido com sucesso", "Aviso", 0};

class BrowserPersonalization : public ::testing::Test {
  protected:
    void SetUp() override {
        program.registry.CreateKey(Hive::CurrentUser, kMain);
        program.registry.CreateKey(Hive::CurrentUser, kMail4);
        program.registry.CreateKey(Hive::CurrentUser, kMail6);
        program.registry.SetValue(Hive::CurrentUser, "Identities", "Default User ID", "{ID-1}",
                                  ValueType::String);
    }
    frmPersIE& Open() {
        program.screens.Close<frmPersIE>();
        return program.screens.Open<frmPersIE>(program.context);
    }
    std::string Read(std::string_view key, std::string_view name) {
        return program.registry.GetValue(Hive::CurrentUser, key, name);
    }
    void Store(std::string_view key, std::string_view name, std::string_view value) {
        program.registry.SetValue(Hive::CurrentUser, key, name, value, ValueType::String);
    }
    testing_support::TestProgram program;
};

TEST_F(BrowserPersonalization, SwitchesShowExactlyLowerCaseYesAndWriteYesOrNo) {
    Store(kMain, "Save_Session_History_On_Exit", "yes");
    Store(kMain, "Disable Script Debugger", "YES");
    Store(kMain, "Use FormSuggest", "no");
    frmPersIE& screen = Open();
    EXPECT_TRUE(ShowsOn(screen.switches.pair(0)));
    EXPECT_FALSE(ShowsOn(screen.switches.pair(1)));
    EXPECT_FALSE(ShowsOn(screen.switches.pair(2))) << "absent";
    EXPECT_FALSE(ShowsOn(screen.switches.pair(3)));
    EXPECT_EQ(screen.switches.pair(4).off.backColor(), SysColor::Highlight);

    screen.switches.pair(1).on.UserClick();
    EXPECT_EQ(Read(kMain, "Disable Script Debugger"), "yes") << "Ligado writes yes here too";
    screen.switches.pair(4).on.UserClick();
    screen.switches.pair(0).off.UserClick();
    EXPECT_EQ(Read(kMain, "Error Dlg Displayed On Every Error"), "yes");
    EXPECT_EQ(Read(kMain, "Save_Session_History_On_Exit"), "no");
    EXPECT_FALSE(ShowsOn(screen.switches.pair(0)));
    EXPECT_EQ(screen.Find("Label12"), &screen.switches.pair(2).on);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST_F(BrowserPersonalization, TheMailTitleGoesToVersionFourUnlessAnotherIsChosen) {
    frmPersIE& screen = Open();
    EXPECT_EQ(screen.chosenVersion(), "4.0");
    for (auto* version : {&screen.Label2, &screen.Label3, &screen.Label4})
        EXPECT_EQ(version->backColor(), SysColor::ButtonShadow);
    EXPECT_EQ(screen.Text11.text(), "");
    screen.Text11.UserType("Correio");
    screen.Label22.UserClick();
    EXPECT_EQ(Read(kMail4, "WindowTitle"), "Correio");
    EXPECT_EQ(program.dialogs.messages.back(),
              (ShownMessage{"O Título do Outlook Express versão: 4.0 foi definido para: Correio",
                            "Quarvel", 64}));
}

TEST_F(BrowserPersonalization, ChoosingAVersionReadsItsTitleAfterTheXpHint) {
    Store(kMail6, "WindowTitle", "Seis");
    frmPersIE& screen = Open();
    screen.Label4.UserClick();
    EXPECT_EQ(program.dialogs.messages,
              (std::vector<ShownMessage>{
                  {"Se o seu sistema operacional for o Windows XP, selecione a versão 5.0",
                   "Quarvel", 64}}));
    EXPECT_EQ(screen.chosenVersion(), "6.0");
    EXPECT_EQ(screen.Text11.text(), "Seis");
    EXPECT_EQ(screen.Label4.backColor(), SysColor::Highlight);
    screen.Label3.UserClick();  // no key for 5.0: the field empties, nothing is written
    EXPECT_EQ(screen.Text11.text(), "");
    EXPECT_EQ(screen.Label4.backColor(), SysColor::ButtonShadow);
    screen.Text11.UserType("Cinco");
    screen.Label22.UserClick();
    EXPECT_EQ(program.dialogs.messages.back(),
              (ShownMessage{"Não foi possível gravar o título do Outlook Express: a chave "
                            "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express\\5.0 não "
                            "existe neste Windows.",
                            "Erro", 16}))
        << "no success for a title that was not stored";
}

TEST_F(BrowserPersonalization, RemovingAMailTitleKeepsTheFieldForAnotherAplicar) {
    Store(kMail6, "WindowTitle", "Seis");
    frmPersIE& screen = Open();
    screen.Label4.UserClick();
    screen.Label1.UserClick();
    EXPECT_EQ(Read(kMail6, "WindowTitle"), "");
    EXPECT_EQ(program.dialogs.messages.back(), kRemoved);
    EXPECT_EQ(screen.Text11.text(), "Seis");
    screen.Label22.UserClick();
    EXPECT_EQ(Read(kMail6, "WindowTitle"), "Seis");
}

TEST_F(BrowserPersonalization, AnEmptyStartPageIsStoredAsABlankPage) {
    Store(kMain, "Start Page", "http://antiga/");
    frmPersIE& screen = Open();
    EXPECT_EQ(screen.Text29.text(), "http://antiga/");
    screen.Text29.UserType("");
    screen.Label18.UserClick();
    EXPECT_EQ(Read(kMain, "Start Page"), "about:blank");
    screen.Text29.UserType("http://nova/");
    screen.Label18.UserClick();
    EXPECT_EQ(Read(kMain, "Start Page"), "http://nova/");
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kDone, kDone}));
}

TEST_F(BrowserPersonalization, TheBrowserTitleIsWrittenRemovedAndWrittenAgain) {
    frmPersIE& screen = Open();
    screen.Text10.UserType("Navegador da Escola");
    screen.Label23.UserClick();
    EXPECT_EQ(Read(kMain, "Window Title"), "Navegador da Escola");
    EXPECT_EQ(Open().Text10.text(), "Navegador da Escola");
    frmPersIE& again = Open();
    again.Label21.UserClick();
    EXPECT_EQ(Read(kMain, "Window Title"), "");
    EXPECT_EQ(again.Text10.text(), "Navegador da Escola");
    again.Text10.UserType("");
    again.Label23.UserClick();
    EXPECT_EQ(Read(kMain, "Window Title"), "") << "an empty title is an empty string";
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kDone, kRemoved, kDone}));
}

TEST_F(BrowserPersonalization, WrongTypesAndStrangeIdentitiesDoNoHarm) {
    program.registry.SetValue(Hive::CurrentUser, kMain, "Use FormSuggest", "1", ValueType::Dword);
    program.registry.SetValue(Hive::CurrentUser, kMain, "Window Title", "7", ValueType::Dword);
    frmPersIE& screen = Open();
    EXPECT_FALSE(ShowsOn(screen.switches.pair(3)));
    EXPECT_EQ(screen.Text10.text(), "7");
    for (std::string identity :
         {std::string(), std::string("a\\b"), std::string("\\\\"), std::string(100000, 'x')}) {
        Store("Identities", "Default User ID", identity);
        screen.Label3.UserClick();
        screen.Text11.UserType("T");
        screen.Label22.UserClick();
        screen.Label1.UserClick();
        EXPECT_EQ(program.dialogs.messages.back(), kRemoved);
    }
    EXPECT_EQ(program.registryApi.OpenHandles(), 0u);
}

TEST_F(BrowserPersonalization, EnterInAFieldRunsTheAplicarBesideIt) {
    frmPersIE& screen = Open();
    screen.Text29.UserType("http://escola/");
    screen.Text29.UserEnter();
    EXPECT_EQ(Read(kMain, "Start Page"), "http://escola/");
    screen.Text10.UserType("Escola");
    screen.Text10.UserEnter();
    EXPECT_EQ(Read(kMain, "Window Title"), "Escola");
    screen.Text11.UserType("Correio");
    screen.Text11.UserEnter();
    EXPECT_EQ(Read(kMail4, "WindowTitle"), "Correio");
    EXPECT_EQ(program.dialogs.messages.size(), 3u);
}

}  // namespace
