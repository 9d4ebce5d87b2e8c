#include "personalization/BrowserSwitchPairs.h"

namespace personalization {

BrowserSwitchPairs::BrowserSwitchPairs(forms::Form& form, std::span<const BrowserSwitch> catalogue,
                                       int left, int top)
    : catalogue_(catalogue), bottom_(top + static_cast<int>(catalogue.size()) * kPitch) {
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const BrowserSwitch& entry = catalogue[i];
        int y = top + static_cast<int>(i) * kPitch;
        headings_.push_back(std::make_unique<forms::Label>(
            form, "Heading" + std::string(entry.onControl), forms::Rect{left, y, 360, 18},
            std::string(entry.heading)));
        auto pair = std::make_unique<forms::OnOffPair>(form, std::string(entry.onControl),
                                                       std::string(entry.offControl),
                                                       forms::Rect{left + 8, y + 20, 90, 24});
        pair->onChoose = [this, i](bool on) {
            if (onChoose) onChoose(i, on);
        };
        pairs_.push_back(std::move(pair));
    }
}

void BrowserSwitchPairs::Load(RegistryAccess& registry) {
    for (std::size_t i = 0; i < catalogue_.size(); ++i) {
        const BrowserSwitch& entry = catalogue_[i];
        pairs_[i]->Show(registry.GetValue(entry.hive, kBrowserMainKey, entry.valueName) ==
                        kSwitchOn);
    }
}

bool BrowserSwitchPairs::Choose(RegistryAccess& registry, std::size_t index, bool on) {
    const BrowserSwitch& entry = catalogue_[index];
    if (registry.SetValue(entry.hive, kBrowserMainKey, entry.valueName, on ? kSwitchOn : kSwitchOff,
                          ValueType::String) != 0)
        return false;
    pairs_[index]->Show(on);
    return true;
}

}  // namespace personalization
