#pragma once
// A column of browser switches, each a heading over an on/off pair, built
// from a catalogue; the screen that holds it writes the values.
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "forms/Form.h"
#include "forms/OnOffPair.h"
#include "personalization/BrowserAndMail.h"

namespace personalization {

class BrowserSwitchPairs {
  public:
    static constexpr int kPitch = 52;  // from one heading to the next

    BrowserSwitchPairs(forms::Form& form, std::span<const BrowserSwitch> catalogue, int left,
                       int top);

    // Reads every switch in its hive: exactly "yes" shows "Ligado".
    void Load(RegistryAccess& registry);
    // Writes the switch's data at once and shows the clicked member; false
    // (the old member still shown) when the write was refused.
    bool Choose(RegistryAccess& registry, std::size_t index, bool on);

    forms::OnOffPair& pair(std::size_t index) { return *pairs_[index]; }
    std::size_t size() const { return pairs_.size(); }
    int bottom() const { return bottom_; }

    // The command of a click on a member: the switch's index and the state.
    std::function<void(std::size_t index, bool on)> onChoose;

  private:
    std::span<const BrowserSwitch> catalogue_;
    std::vector<std::unique_ptr<forms::Label>> headings_;
    std::vector<std::unique_ptr<forms::OnOffPair>> pairs_;
    int bottom_;
};

}  // namespace personalization
