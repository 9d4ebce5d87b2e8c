// Each screen's table walked through its handlers over the in-memory
// registry: here the messages' styles are seen too.
#include <gtest/gtest.h>

#include "optimization/frmOtiD.h"
#include "optimization/frmOtiIE.h"
#include "optimization/frmOtiS.h"
#include "options/frmIniOpt.h"
#include "options/frmPWDOPT.h"
#include "personalization/frmNovo.h"
#include "personalization/frmPersDesk.h"
#include "personalization/frmPersIE.h"
#include "tests/support/ScreenTables.h"
#include "tests/support/ScreenVerbs.h"

namespace {

using namespace testing_support;

template <class Screen>
struct HandlerDriver {
    static constexpr bool kSeesStyle = true;
    RegistryAccess& registry() { return program.registry; }
    platform::RegistryApi& api() { return program.registryApi; }
    void Keep(const Stored&) {}
    void MakeKey(Hive hive, const char* path) { program.registry.CreateKey(hive, path); }
    void Open() { form = &OpenScreen<Screen>(program); }
    std::string Caption() { return form->caption(); }
    forms::Control& At(const std::string& name) { return *form->Find(name); }
    std::string Text(const std::string& name) { return At(name).caption(); }
    std::string Tip(const std::string& name) { return At(name).toolTip(); }
    std::vector<std::string> Rows(const char* name) {
        return static_cast<forms::ListBox&>(At(name)).items();
    }
    bool Lit(const std::string& name) { return ShowsChosen(At(name)); }
    void Type(const char* box, const char* text) { TextBoxOf(*form, box).UserType(text); }
    std::vector<ShownMessage> Run(const char* command, bool) {
        return RunCommands(program, *form, {command});
    }
    void Escape() { form->UserCancel(); }
    bool Closed() { return program.screens.Find<Screen>() == nullptr; }

    TestProgram program;
    forms::Form* form = nullptr;
};

template <class Screen>
void Walk(const ScreenTable& table) {
    HandlerDriver<Screen> driver;
    WalkScreen(driver, table);
    EXPECT_EQ(driver.program.registryApi.OpenHandles(), 0u);
}

TEST(ScreenTables, EveryScreenDoesWhatItsTableSays) {
    Walk<personalization::frmPersDesk>(screens::kPersDesk);
    Walk<personalization::frmPersIE>(screens::kPersIE);
    Walk<personalization::frmNovo>(screens::kNovo);
    Walk<optimization::frmOtiD>(screens::kOtiD);
    Walk<optimization::frmOtiIE>(screens::kOtiIE);
    Walk<optimization::frmOtiS>(screens::kOtiS);
    Walk<options::frmPWDOPT>(screens::kPwdOpt);
    Walk<options::frmIniOpt>(screens::kIniOpt);
}

}  // namespace
