// The on/off pair: unchosen until its screen shows a state; a click runs its command.
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
};

TEST(OnOffPair, StartsUnchosenAndAClickRunsTheCommandWithItsState) {
    forms::HeadlessRenderer renderer;
    forms::Screens screens(renderer);
    auto& screen = screens.Open<PairScreen>();
    EXPECT_EQ(screen.pair.off.rect().x, 98) << "the off member stands right of the on member";
    EXPECT_EQ(screen.pair.on.backColor(), SysColor::ButtonShadow);
    EXPECT_EQ(screen.pair.off.backColor(), SysColor::ButtonShadow);
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

}  // namespace
