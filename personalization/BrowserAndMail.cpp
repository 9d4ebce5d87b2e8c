#include "personalization/BrowserAndMail.h"

namespace personalization {

std::string RetiredProgramsNotice(platform::Accounts& accounts) {
    if (core::ReleaseOf(accounts.Windows()) < core::Windows::W10) return {};
    return "Estas opções são do Internet Explorer e do Outlook Express, que o Windows 10 e o 11 "
           "não usam mais.";
}

std::vector<core::CaptionedSetting> SwitchSettings(std::span<const BrowserSwitch> switches) {
    std::vector<core::CaptionedSetting> settings;
    for (const BrowserSwitch& entry : switches)
        settings.push_back({entry.heading, entry.valueName});
    return settings;
}

}  // namespace personalization
