#include "personalization/BrowserStartPage.h"

#include <string>

#include "personalization/BrowserAndMail.h"

namespace personalization {

bool SetBrowsersStartPage(RegistryAccess& registry, std::string_view page) {
    const Hive hive = Hive::CurrentUser;
    bool stored = true;
    if (page.empty() || page == kBlankPage) {
        for (const BrowserPolicy& policy : kStartPagePolicies) {
            RegistryStatus status = registry.DeleteValue(hive, policy.key, policy.name);
            stored &= status == 0 || status == 2;  // absent is what was asked
        }
        return stored;
    }
    for (const BrowserPolicy& policy : kStartPagePolicies) {
        registry.CreateKey(hive, policy.key);
        switch (policy.data) {
            case BrowserPolicy::Data::Page:
                stored &=
                    registry.SetValue(hive, policy.key, policy.name, page, ValueType::String) == 0;
                break;
            case BrowserPolicy::Data::HomepageAtStart:
                stored &= registry.SetValue(hive, policy.key, policy.name, "homepage",
                                            ValueType::String) == 0;
                break;
            case BrowserPolicy::Data::UrlsAtStart:
                stored &= registry.SetValue(hive, policy.key, policy.name, 4) == 0;
                break;
        }
    }
    return stored;
}

}  // namespace personalization
