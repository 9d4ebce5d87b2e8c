#include "transfer/ConfigExport.h"

#include "optimization/OpenWithVerb.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "transfer/ConfigRecords.h"
#include "transfer/ConfigValues.h"

namespace transfer {
namespace {

std::string Read(RegistryAccess& registry, const TextValue& value) {
    return registry.GetValue(value.hive, value.key, value.name);
}

char Flag(bool on) {
    return on ? '1' : '0';
}

void Policies(RegistryAccess& registry, ConfigText& text) {
    std::string flags;
    // Anything but 1 (a drive mask in NoDrives, say) goes out as "0", so that
    // every flag keeps its position.
    for (const restrictions::PolicyEntry* policy : PoliciesInFileOrder())
        flags += Flag(
            registry.GetValueTextOrZero(Hive::CurrentUser, policy->key, policy->valueName) == "1");
    flags += Flag(registry.GetValueTextOrZero(Hive::CurrentUser, restrictions::kExplorerPolicyKey,
                                              restrictions::allow_list::kSwitch) == "1");
    text.Add(key::Policies, flags);
}

void AllowList(RegistryAccess& registry, ConfigText& text) {
    // The user's list and the wizard's catalogue; the program's own
    // executables are written by every import anyway.
    for (int number = restrictions::allow_list::kFirstUserNumber; number <= 799; ++number) {
        std::string entry = registry.GetValue(Hive::CurrentUser, restrictions::allow_list::kListKey,
                                              std::to_string(number));
        if (!entry.empty()) text.Add(key::AllowList, entry);
    }
}

void BlockList(core::Context& context, ConfigText& text) {
    auto lines =
        context.files.ReadLines(restrictions::block_list::FilePath(context.values.baseFolder));
    if (!lines) {
        // Tells the importing computer to stop the blocking companion.
        text.Add(key::BlockList, "");
        return;
    }
    for (const std::string& line : *lines) text.Add(key::BlockList, line);
}

std::string Read(RegistryAccess& registry, const optimization::DesktopValue& value) {
    return registry.GetValue(value.hive, value.key, value.valueName);
}

void DesktopTuning(RegistryAccess& registry, ConfigText& text) {
    std::string flags;
    flags += Flag(Read(registry, optimization::kMenuShowDelay) == "0");
    // A missing or non-numeric value counts as off.
    flags += Flag(ParseSigned32(Read(registry, optimization::kMinAnimate)) == 1);
    flags += Flag(optimization::OpenWithVerbIsOn(registry));
    text.Add(key::DesktopTuning, flags);
}

void Switches(RegistryAccess& registry, std::string_view recordKey,
              const std::array<const personalization::BrowserSwitch*, 5>& switches,
              ConfigText& text) {
    std::string flags;
    for (const personalization::BrowserSwitch* entry : switches)
        flags += Flag(registry.GetValue(entry->hive, personalization::kBrowserMainKey,
                                        entry->valueName) == personalization::kSwitchOn);
    text.Add(recordKey, flags);
}

}  // namespace

void CollectGroup(ExportGroup group, core::Context& context, ConfigText& text) {
    RegistryAccess& registry = context.registry;
    switch (group) {
        case ExportGroup::Policies:
            return Policies(registry, text);
        case ExportGroup::AllowList:
            return AllowList(registry, text);
        case ExportGroup::BlockList:
            return BlockList(context, text);
        case ExportGroup::DesktopTuning:
            return DesktopTuning(registry, text);
        case ExportGroup::BrowserTuning:
            Switches(registry, key::BrowserTuning, kBrowserTuningFlags, text);
            return text.Add(key::SaveDirectory, Read(registry, kSaveDirectory));
        case ExportGroup::DiskCache:
            return text.Add(key::DiskCache, Read(registry, kDiskCacheTemplate));
        case ExportGroup::DesktopLook:
            text.Add(key::NoticeCaption, Read(registry, kNoticeCaption));
            text.Add(key::NoticeText, Read(registry, kNoticeText));
            return text.Add(
                key::ScrollPrograms,
                Read(registry, kScrollPrograms) == personalization::kScrolls ? "1" : "0");
        case ExportGroup::BrowserLook:
            Switches(registry, key::BrowserLook, kBrowserLookFlags, text);
            text.Add(key::StartPage, Read(registry, kStartPage));
            return text.Add(key::WindowTitle, Read(registry, kWindowTitle));
        case ExportGroup::LockCode:
            return text.Add(key::LockCode, Read(registry, kLockCodeValue));
    }
}

}  // namespace transfer
