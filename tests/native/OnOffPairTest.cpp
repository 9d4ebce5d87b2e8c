// The on/off pair and the highlight of a group of labels used as buttons.
#include <gtest/gtest.h>

#include "forms/HeadlessRenderer.h"
#include "forms/OnOffPair.h"
#include "forms/Screens.h"

namespace {

using forms::SysColor;

class PairScreen : public forms::Form {
  public:
    explicit PairScreen(forms::Screens& screens) : Form(screens, "Pair", "Pair", 200, 100) {}
    forms::OnOffPair pair{*this, "On", "Off", {10, 10, 80, 24}};
    forms::Label first{*this, "A", {}, "4.0", forms::Label::Look::Button};
    forms::Label second{*this, "B", {}, "5.0", forms::Label::Look::Button};
};

TEST(OnOffPair, StartsUnchosenAndShowsOneStateAtATime) {
    forms::HeadlessRenderer renderer;
    forms::Screens screens(renderer);
    auto& screen = screens.Open<PairScreen>();
    forms::OnOffPair& pair = screen.pair;
    EXPECT_EQ(pair.on.caption(), "Ligado");
    EXPECT_EQ(pair.off.caption(), "Desligado");
    EXPECT_EQ(pair.off.rect().x, 98) << "the off member stands right of the on member";
    EXPECT_EQ(pair.on.backColor(), SysColor::ButtonShadow);
    EXPECT_EQ(pair.off.backColor(), SysColor::ButtonShadow);
    pair.Show(true);
    EXPECT_EQ(pair.on.backColor(), SysColor::Highlight);
    EXPECT_EQ(pair.off.backColor(), SysColor::ButtonShadow);
    pair.Show(false);
    EXPECT_EQ(pair.on.backColor(), SysColor::ButtonShadow);
    EXPECT_EQ(pair.off.backColor(), SysColor::Highlight);
    // Both members are in the screen's tab order, on before off.
    EXPECT_EQ(screen.Find("On"), &pair.on);
    EXPECT_EQ(screen.controls().front(), &pair.on);
}

TEST(OnOffPair, AClickRunsTheCommandWithItsStateAndLeavesTheColoursToIt) {
    forms::HeadlessRenderer renderer;
    forms::Screens screens(renderer);
    auto& screen = screens.Open<PairScreen>();
    std::vector<bool> chosen;
    screen.pair.onChoose = [&](bool on) { chosen.push_back(on); };
    screen.pair.off.UserClick();
    screen.pair.on.UserClick();
    EXPECT_EQ(chosen, (std::vector<bool>{false, true}));
    EXPECT_EQ(screen.pair.on.backColor(), SysColor::ButtonShadow);
    forms::OnOffPair& silent = screen.pair;
    silent.onChoose = nullptr;
    silent.on.UserClick();  // no command: nothing happens
}

TEST(OnOffPair, HighlightOnlyColoursOneOfAGroup) {
    forms::HeadlessRenderer renderer;
    forms::Screens screens(renderer);
    auto& screen = screens.Open<PairScreen>();
    forms::HighlightOnly(screen.second, {&screen.first, &screen.second});
    EXPECT_EQ(screen.first.backColor(), SysColor::ButtonShadow);
    EXPECT_EQ(screen.second.backColor(), SysColor::Highlight);
    forms::HighlightOnly(screen.first, {&screen.first, &screen.second});
    EXPECT_EQ(screen.first.backColor(), SysColor::Highlight);
    EXPECT_EQ(screen.second.backColor(), SysColor::ButtonShadow);
}

}  // namespace
