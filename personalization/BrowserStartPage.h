#pragma once
// The start page of today's browsers, which read it from their own
// policies: Firefox always, Microsoft Edge and Google Chrome only on a
// computer of a domain or under management. Written for the target like
// every other setting of the account.
#include <array>
#include <string_view>

#include "registry/RegistryAccess.h"

namespace personalization {

struct BrowserPolicy {
    enum class Data { Page, HomepageAtStart, UrlsAtStart };
    std::string_view key;  // under HKEY_CURRENT_USER
    std::string_view name;
    Data data;
};

inline constexpr std::string_view kFirefoxHomepageKey =
    "Software\\Policies\\Mozilla\\Firefox\\Homepage";
inline constexpr std::string_view kEdgePolicyKey = "Software\\Policies\\Microsoft\\Edge";
inline constexpr std::string_view kEdgeStartUrlsKey =
    "Software\\Policies\\Microsoft\\Edge\\RestoreOnStartupURLs";
inline constexpr std::string_view kChromePolicyKey = "Software\\Policies\\Google\\Chrome";
inline constexpr std::string_view kChromeStartUrlsKey =
    "Software\\Policies\\Google\\Chrome\\RestoreOnStartupURLs";

// Firefox: the home page, shown at start ("homepage"). Edge and Chrome: the
// home page, and at start (4) the list of pages whose first entry is it.
inline constexpr std::array<BrowserPolicy, 8> kStartPagePolicies = {{
    {kFirefoxHomepageKey, "URL", BrowserPolicy::Data::Page},
    {kFirefoxHomepageKey, "StartPage", BrowserPolicy::Data::HomepageAtStart},
    {kEdgePolicyKey, "HomepageLocation", BrowserPolicy::Data::Page},
    {kEdgePolicyKey, "RestoreOnStartup", BrowserPolicy::Data::UrlsAtStart},
    {kEdgeStartUrlsKey, "1", BrowserPolicy::Data::Page},
    {kChromePolicyKey, "HomepageLocation", BrowserPolicy::Data::Page},
    {kChromePolicyKey, "RestoreOnStartup", BrowserPolicy::Data::UrlsAtStart},
    {kChromeStartUrlsKey, "1", BrowserPolicy::Data::Page},
}};

// Gives the browsers the page; an empty page or "about:blank" takes every
// one of their start-page policies away. False when Windows refused a write.
bool SetBrowsersStartPage(RegistryAccess& registry, std::string_view page);

}  // namespace personalization
