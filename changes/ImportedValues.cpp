#include "changes/ImportedValues.h"

#include "applocker/OutsideExplorer.h"
#include "changes/ConfigValues.h"
#include "optimization/DesktopSettings.h"
#include "personalization/BrowserStartPage.h"
#include "personalization/DesktopTouches.h"
#include "personalization/LogonNotice.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "restrictions/PolicyCatalogues.h"

namespace changes {

ImportedValues::ImportedValues() {
    namespace allow_list = restrictions::allow_list;
    auto add = [&](Hive hive, std::string_view key, std::string_view name) {
        if (index_.insert({hive, Lowered(key), Lowered(name)}).second)
            values_.push_back({hive, std::string(key), std::string(name), std::nullopt});
    };
    auto addPolicies = [&](const auto& catalogue) {
        for (const restrictions::PolicyEntry& policy : catalogue)
            add(Hive::CurrentUser, policy.key, policy.valueName);
    };
    addPolicies(restrictions::kSystemPolicies);
    addPolicies(restrictions::kDesktopPolicies);
    addPolicies(restrictions::kExplorerPolicies);
    add(Hive::CurrentUser, restrictions::kExplorerPolicyKey, allow_list::kSwitch);
    add(Hive::CurrentUser, applocker::kTaskManagerKey, applocker::kTaskManager);
    add(Hive::CurrentUser, applocker::kCommandPromptKey, applocker::kCommandPrompt);
    for (std::size_t i = 1; i <= allow_list::kOwnExecutables.size(); ++i)
        add(Hive::CurrentUser, allow_list::kListKey, std::to_string(i));
    for (int n = allow_list::kFirstUserNumber; n <= allow_list::kLastUserNumber; ++n)
        add(Hive::CurrentUser, allow_list::kListKey, std::to_string(n));
    for (const auto* setting : {&optimization::kMenuShowDelay, &optimization::kMinAnimate})
        add(setting->hive, setting->key, setting->valueName);
    for (std::string_view key : {optimization::kOpenWithKey, optimization::kOpenWithCommandKey}) {
        add(Hive::ClassesRoot, key, "");
        keys_.insert({Hive::ClassesRoot, Lowered(key)});
    }
    for (const auto& switches : {kBrowserTuningFlags, kBrowserLookFlags})
        for (const auto* entry : switches)
            add(entry->hive, personalization::kBrowserMainKey, entry->valueName);
    for (const TextValue& text : {kSaveDirectory, kDiskCacheTemplate, kScrollPrograms, kStartPage,
                                  kWindowTitle, kLockCodeValue})
        add(text.hive, text.key, text.name);
    for (const personalization::BrowserPolicy& policy : personalization::kStartPagePolicies)
        add(Hive::CurrentUser, policy.key, policy.name);
    for (std::string_view place : {personalization::kWinlogonKey, personalization::kNtWinlogonKey})
        for (const TextValue& text : {NoticeCaptionAt(place), NoticeTextAt(place)})
            add(text.hive, text.key, text.name);
    // A policy object as target takes the logon entry into its own Run list.
    for (Hive hive : {Hive::LocalMachine, Hive::CurrentUser})
        add(hive, restrictions::block_list::kRunKey, restrictions::block_list::kLogonEntry);
    add(Hive::CurrentUser, restrictions::block_list::kPolicyRunKey,
        restrictions::block_list::kLogonEntry);
}

bool ImportedValues::HoldsValue(Hive hive, std::string_view key, std::string_view name) const {
    return index_.contains({hive, Lowered(key), Lowered(name)});
}

bool ImportedValues::HoldsKey(Hive hive, std::string_view key) const {
    return keys_.contains({hive, Lowered(key)});
}

const ImportedValues& ImportableValues() {
    static const ImportedValues values;
    return values;
}

}  // namespace changes
