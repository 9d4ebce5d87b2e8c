#include <gtest/gtest.h>

#include "forms/HeadlessRenderer.h"
#include "forms/Screens.h"

namespace {

using namespace forms;

class Sample : public Form {
  public:
    explicit Sample(Screens& screens, int* loads = nullptr)
        : Form(screens, "Sample", "Sample", 200, 100), loads_(loads) {}
    void Load() override {
        if (loads_) ++*loads_;
    }
    CheckBox check{*this, "Check1", {}, "Check"};
    OptionButton on{*this, "On", {}, "On", 1};
    OptionButton off{*this, "Off", {}, "Off", 1};
    OptionButton other{*this, "Other", {}, "Other", 2};
    ListBox list{*this, "List1", {}};

  private:
    int* loads_;
};

class ClosesWhileLoading : public Form {
  public:
    explicit ClosesWhileLoading(Screens& screens) : Form(screens, "Gate", "Gate", 10, 10) {}
    void Load() override {
        screens().Open<Sample>();
        Unload();
    }
};

TEST(Screens, AnOpenScreenComesForwardAndTheLastOneToCloseEndsTheProgram) {
    HeadlessRenderer renderer;
    Screens screens(renderer);
    int loads = 0;
    Sample& first = screens.Open<Sample>(&loads);
    EXPECT_EQ(&screens.Open<Sample>(&loads), &first);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(renderer.broughtForward, (std::vector<std::string>{"Sample"}));
    first.Unload();
    EXPECT_TRUE(renderer.quit);
    first.Unload();  // closing twice is harmless
    screens.Collect();

    HeadlessRenderer gateRenderer;
    Screens gate(gateRenderer);
    gate.Open<ClosesWhileLoading>();  // a screen that closes while loading is never shown
    EXPECT_EQ(gateRenderer.shown, (std::vector<std::string>{"Sample"}));
    EXPECT_FALSE(gateRenderer.quit);
}

TEST(Controls, UserClicksChangeTheControlBeforeTheCommandRuns) {
    HeadlessRenderer renderer;
    Screens screens(renderer);
    Sample& sample = screens.Open<Sample>();
    bool seen = false;
    sample.check.onClick = [&] { seen = sample.check.checked(); };
    sample.check.UserClick();
    EXPECT_TRUE(seen);
    sample.other.UserClick();
    sample.on.UserClick();
    sample.off.UserClick();
    EXPECT_FALSE(sample.on.checked());
    EXPECT_TRUE(sample.off.checked());
    EXPECT_TRUE(sample.other.checked());  // another group
}

TEST(Controls, ListBoxKeepsItsSelectionInRange) {
    HeadlessRenderer renderer;
    Screens screens(renderer);
    Sample& sample = screens.Open<Sample>();
    sample.list.SetItems({"a", "b"});
    sample.list.SetListIndex(5);
    EXPECT_EQ(sample.list.listIndex(), -1);
    sample.list.SetListIndex(1);
    sample.list.RemoveItem(1);
    EXPECT_EQ(sample.list.listIndex(), -1);
    sample.list.RemoveItem(7);
    EXPECT_EQ(sample.list.items(), (std::vector<std::string>{"a"}));
}

TEST(Forms, EscapeRunsTheCancelCommandOrClosesTheScreen) {
    HeadlessRenderer renderer;
    Screens screens(renderer);
    Sample& sample = screens.Open<Sample>();
    int cancels = 0;
    sample.check.onClick = [&] { ++cancels; };
    sample.cancelControl = &sample.check;
    sample.UserCancel();
    EXPECT_EQ(cancels, 1);
    sample.cancelControl = nullptr;
    sample.closesOnEscape = false;
    sample.UserCancel();
    EXPECT_EQ(screens.Count(), 1u);
    sample.closesOnEscape = true;
    sample.UserCancel();
    EXPECT_EQ(screens.Count(), 0u);
}

}  // namespace
