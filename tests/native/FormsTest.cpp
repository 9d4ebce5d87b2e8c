// The screen framework's own rules, where no screen's test would notice them.
#include <gtest/gtest.h>

#include "forms/HeadlessRenderer.h"
#include "forms/Screens.h"

namespace {

using namespace forms;

class Sample : public Form {
  public:
    explicit Sample(Screens& screens) : Form(screens, "Sample", "Sample", 200, 100) {}
    void Load() override { ++loads; }
    int loads = 0;
    CheckBox check{*this, "Check1", {}, "Check"};
    OptionButton on{*this, "On", {}, "On", 1}, off{*this, "Off", {}, "Off", 1};
    OptionButton other{*this, "Other", {}, "Other", 2};
    ListBox list{*this, "List1", {}};
};

// A gate that lets the user through while it loads is never shown itself.
class ClosesWhileLoading : public Form {
  public:
    explicit ClosesWhileLoading(Screens& screens) : Form(screens, "Gate", "Gate", 10, 10) {}
    void Load() override {
        screens().Open<Sample>();
        Unload();
    }
};

TEST(Screens, OneOfAKindLoadsOnceAndAScreenClosedWhileLoadingIsNeverShown) {
    HeadlessRenderer renderer;
    Screens screens(renderer);
    screens.Open<ClosesWhileLoading>();
    EXPECT_EQ(renderer.shown, (std::vector<std::string>{"Sample"}));
    Sample& first = *screens.Find<Sample>();
    EXPECT_EQ(&screens.Open<Sample>(), &first);
    EXPECT_EQ(first.loads, 1);
    EXPECT_EQ(renderer.broughtForward, (std::vector<std::string>{"Sample"}));
    first.Unload();
    first.Unload();  // closing twice is harmless
    EXPECT_TRUE(renderer.quit);
}

TEST(Controls, ClicksChangeTheControlBeforeItsCommandRunsAndListsStayInRange) {
    HeadlessRenderer renderer;
    Screens screens(renderer);
    Sample& sample = screens.Open<Sample>();
    bool seen = false;
    sample.check.onClick = [&] { seen = sample.check.checked(); };
    sample.check.UserClick();
    EXPECT_TRUE(seen);
    for (OptionButton* option : {&sample.other, &sample.on, &sample.off}) option->UserClick();
    EXPECT_EQ((std::vector{sample.on.checked(), sample.off.checked(), sample.other.checked()}),
              (std::vector{false, true, true}));
    sample.list.SetItems({"a", "b"});
    sample.list.SetListIndex(5);
    EXPECT_EQ(sample.list.listIndex(), -1);
    sample.list.SetListIndex(1);
    sample.list.RemoveItem(1);
    EXPECT_EQ(sample.list.listIndex(), -1) << "nothing selected after a removal";
    sample.list.RemoveItem(7);
    EXPECT_EQ(sample.list.items(), (std::vector<std::string>{"a"}));
}

}  // namespace
