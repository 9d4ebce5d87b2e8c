// The configuration wizard menu, its chooser and wizard mode at start-up.
#include <gtest/gtest.h>

#include "restrictions/PolicyScreens.h"
#include "restrictions/frmRestE.h"
#include "core/Settings.h"
#include "menus/WizardMenuEntries.h"
#include "menus/frmEscR.h"
#include "menus/frmWizrd3.h"
#include "menus/frnINI.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "tests/support/TestProgram.h"
#include "transfer/frmWizrd.h"

#include <fstream>

namespace {

using forms::WindowState;
using menus::frmEscR;
using menus::frmWizrd3;
using menus::frnINI;

void SetMode(testing_support::TestProgram& program, const char* mode) {
    program.registry.CreateKey(Hive::CurrentUser, core::kCurrentVersion);
    if (mode)
        program.registry.SetValue(Hive::CurrentUser, core::kCurrentVersion, "Tb", mode,
                                  ValueType::String);
}

class WizardMenu : public ::testing::Test {
  protected:
    frmWizrd3& StartInWizardMode() {
        program.screens.Open<frnINI>(program.context);
        frmWizrd3* wizard = program.screens.Find<frmWizrd3>();
        EXPECT_NE(wizard, nullptr);
        return *wizard;
    }
    frnINI* Menu() { return program.screens.Find<frnINI>(); }

    testing_support::TestProgram program;
};

TEST_F(WizardMenu, AnyModeButZeroOpensTheWizardOverTheMinimisedMainMenu) {
    for (const char* mode : {static_cast<const char*>(nullptr), "1", "", "00", "normal"}) {
        testing_support::TestProgram started;
        SetMode(started, mode);
        auto& menu = started.screens.Open<frnINI>(started.context);
        auto* wizard = started.screens.Find<frmWizrd3>();
        ASSERT_NE(wizard, nullptr) << (mode ? mode : "(missing)");
        EXPECT_EQ(wizard->caption(), "Quarvel 2.0 - Assistente de Configurações");
        EXPECT_EQ(menu.windowState(), WindowState::Minimized);
    }
    testing_support::TestProgram normal;
    SetMode(normal, "0");
    auto& menu = normal.screens.Open<frnINI>(normal.context);
    EXPECT_EQ(normal.screens.Count(), 1u);
    EXPECT_EQ(menu.windowState(), WindowState::Normal);
}

TEST_F(WizardMenu, ModoNormalBringsTheMainMenuBackAndClosesTheWizard) {
    frmWizrd3& wizard = StartInWizardMode();
    wizard.Find("Label16")->UserClick();
    ASSERT_NE(Menu(), nullptr);
    EXPECT_EQ(Menu()->windowState(), WindowState::Normal);
    EXPECT_EQ(program.screens.Find<frmWizrd3>(), nullptr);
    EXPECT_FALSE(program.renderer.quit);

    // The main menu's own entry opens it again, over the minimised menu.
    Menu()->Label1.UserClick();
    ASSERT_NE(program.screens.Find<frmWizrd3>(), nullptr);
    EXPECT_EQ(Menu()->windowState(), WindowState::Minimized);
    // Esc is "Modo normal", so the main menu is never left hidden.
    program.screens.Find<frmWizrd3>()->UserCancel();
    EXPECT_EQ(Menu()->windowState(), WindowState::Normal);
    EXPECT_EQ(program.screens.Find<frmWizrd3>(), nullptr);
}

TEST_F(WizardMenu, ModoNormalReopensAMainMenuTheUserHadClosed) {
    frmWizrd3& wizard = StartInWizardMode();
    Menu()->Unload();
    wizard.ModoNormal_Click();
    ASSERT_NE(Menu(), nullptr);
    EXPECT_EQ(Menu()->windowState(), WindowState::Normal);
    EXPECT_EQ(program.screens.Find<frmWizrd3>(), nullptr);
    EXPECT_FALSE(program.renderer.quit);
}

TEST_F(WizardMenu, LoadingClearsTheWizardAppliedFlag) {
    SetMode(program, "0");
    program.screens.Open<frnINI>(program.context);
    program.values.wizardApplied = true;
    Menu()->Label1.UserClick();
    EXPECT_FALSE(program.values.wizardApplied);
}

// What one click did: the screens opened and the messages shown.
struct Outcome {
    std::vector<std::string> shown;
    std::size_t messages;
    bool operator==(const Outcome&) const = default;
};

Outcome ClickIn(bool onIcon, const menus::WizardEntry& entry) {
    testing_support::TestProgram program;
    SetMode(program, nullptr);
    program.screens.Open<frnINI>(program.context);
    auto* wizard = program.screens.Find<frmWizrd3>();
    program.renderer.shown.clear();
    wizard->Find(std::string(onIcon ? entry.picture : entry.label))->UserClick();
    return {program.renderer.shown, program.dialogs.messages.size()};
}

TEST_F(WizardMenu, EachIconDoesWhatItsSentenceDoes) {
    for (const menus::WizardEntry& entry : menus::kWizardEntries) {
        if (entry.picture.empty()) continue;
        EXPECT_EQ(ClickIn(true, entry), ClickIn(false, entry)) << entry.label;
    }
    const auto& allowList = menus::kWizardEntries[0];
    EXPECT_EQ(ClickIn(true, allowList).shown, std::vector<std::string>{"frmRestE"});
    EXPECT_EQ(ClickIn(true, menus::kWizardEntries[1]).shown, std::vector<std::string>{"frmEscR"});
    EXPECT_EQ(ClickIn(true, menus::kWizardEntries[12]).shown,
              std::vector<std::string>{"frmPWDOPT"});
}

TEST_F(WizardMenu, TheChooserAndTheMainMenuShareThePolicyScreens) {
    frmWizrd3& wizard = StartInWizardMode();
    Menu()->Find("Label8")->UserClick();  // the main menu's "Sistema"
    wizard.Find("Picture11")->UserClick();
    wizard.Find("Label3")->UserClick();
    auto* chooser = program.screens.Find<frmEscR>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->caption(), "Escolha a área desejada");
    std::size_t before = program.screens.Count();
    chooser->Command2.UserClick();  // "Restrições no sistema": the same screen comes forward
    EXPECT_EQ(program.screens.Count(), before);
    EXPECT_EQ(program.renderer.broughtForward, (std::vector<std::string>{"frmEscR", "frmRestS"}));
    chooser->Command1.UserClick();
    chooser->Command3.UserClick();
    EXPECT_NE(program.screens.Find<restrictions::frmRestD>(), nullptr);
    EXPECT_NE(program.screens.Find<restrictions::frmRestEx>(), nullptr);
    EXPECT_TRUE(program.screens.IsOpen(*chooser)) << "the chooser stays open";
}

TEST_F(WizardMenu, EntriesAndIconsDoNotOverlapAndFitTheWindow) {
    frmWizrd3& wizard = StartInWizardMode();
    std::vector<const forms::Control*> placed;
    for (const auto& label : wizard.entries) placed.push_back(label.get());
    for (const auto& icon : wizard.icons) placed.push_back(icon.get());
    for (const auto& heading : wizard.headings) placed.push_back(heading.get());
    for (const forms::Control* a : placed) {
        const auto& ra = a->rect();
        EXPECT_LE(ra.x + ra.width, wizard.width()) << a->name();
        EXPECT_LE(ra.y + ra.height, wizard.height()) << a->name();
        for (const forms::Control* b : placed) {
            if (a == b) continue;
            const auto& rb = b->rect();
            bool apart = ra.x + ra.width <= rb.x || rb.x + rb.width <= ra.x ||
                         ra.y + ra.height <= rb.y || rb.y + rb.height <= ra.y;
            EXPECT_TRUE(apart) << a->name() << " overlaps " << b->name();
        }
    }
}

// Everything an import may change, as one text to compare.
std::string ImportedState(testing_support::TestProgram& program) {
    RegistryAccess& r = program.registry;
    std::string state;
    auto add = [&state](const std::string& part) { state.append(part).append("|"); };
    add(r.GetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT"));
    add(r.GetValue(Hive::CurrentUser, restrictions::kExplorerPolicyKey, "NoFolderOptions"));
    add(r.GetValue(Hive::CurrentUser, restrictions::kExplorerPolicyKey, "RestrictRun"));
    for (int number = 1; number <= 8; ++number)
        add(r.GetValue(Hive::CurrentUser, restrictions::allow_list::kListKey,
                       std::to_string(number)));
    std::ifstream in(restrictions::block_list::FilePath(program.values.baseFolder),
                     std::ios::binary);
    add(std::string((std::istreambuf_iterator<char>(in)), {}));
    for (const auto& message : program.dialogs.messages) add(message.text);
    return state;
}

std::string ImportThrough(bool wizardMenu) {
    testing_support::TestProgram program;
    SetMode(program, nullptr);
    program.registry.CreateKey(Hive::LocalMachine, core::kCurrentVersion);
    std::string path = program.Folder() + "/outro.qvc";
    std::string policies = "QV011" + std::string(42, '0');
    policies += "1\r\n";
    std::ofstream(path, std::ios::binary)
        << policies
        << "QV02calc.exe\r\nQV02sol.exe\r\n"
           "QV03Quarvel by Ostrelvan - www.quarvel.com.br\r\nQV03C:\\Jogos\r\nQV09abc\r\n";
    program.dialogs.fileAnswers.push_back(path);
    auto& menu = program.screens.Open<frnINI>(program.context);
    if (wizardMenu)
        program.screens.Find<frmWizrd3>()->Find("Picture15")->UserClick();
    else
        menu.Find("Label25")->UserClick();
    EXPECT_EQ(program.dialogs.fileRequests.size(), 1u);
    return ImportedState(program);
}

TEST_F(WizardMenu, AnImportFromTheWizardMenuEqualsOneFromTheMainMenu) {
    std::string fromWizard = ImportThrough(true);
    EXPECT_EQ(fromWizard, ImportThrough(false));
    EXPECT_NE(fromWizard.find("abc|1|1|Quarvel.exe"), std::string::npos) << fromWizard;
    EXPECT_NE(fromWizard.find("calc.exe|sol.exe"), std::string::npos) << fromWizard;
    EXPECT_NE(fromWizard.find("C:\\Jogos"), std::string::npos) << fromWizard;
}

TEST_F(WizardMenu, TheFloppyEntryReadsTheFloppyFileAndTheExportEntryOpensTheExport) {
    frmWizrd3& wizard = StartInWizardMode();
    wizard.Find("Label11")->UserClick();
    EXPECT_TRUE(program.dialogs.fileRequests.empty()) << "no dialog for the floppy";
    EXPECT_TRUE(program.dialogs.messages.empty()) << "no floppy here: the import says nothing";
    wizard.Find("Picture14")->UserClick();
    EXPECT_NE(program.screens.Find<transfer::frmWizrd>(), nullptr);
}

}  // namespace
