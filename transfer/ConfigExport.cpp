#include "transfer/ConfigExport.h"

#include <algorithm>

#include "applocker/OutsideExplorer.h"
#include "changes/ConfigValues.h"
#include "optimization/OpenWithVerb.h"
#include "personalization/LogonNotice.h"
#include "platform/StdFiles.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "transfer/ConfigRecords.h"

namespace transfer {

using namespace changes;

namespace {

std::string Read(RegistryAccess& registry, const TextValue& value) {
    return registry.GetValue(value.hive, value.key, value.name);
}

char Flag(bool on) {
    return on ? '1' : '0';
}

void Policies(RegistryAccess& registry, ConfigText& text) {
    std::string flags;
    // Anything but on goes out as "0", so that every flag keeps its position;
    // the drive mask is on for any mask but 0.
    for (const restrictions::PolicyEntry* policy : PoliciesInFileOrder())
        flags += Flag(restrictions::IsOn(
            *policy,
            registry.GetValueTextOrZero(Hive::CurrentUser, policy->key, policy->valueName)));
    flags += Flag(registry.GetValueTextOrZero(Hive::CurrentUser, restrictions::kExplorerPolicyKey,
                                              restrictions::allow_list::kSwitch) == "1");
    text.Add(key::Policies, flags);
}

std::string Notice(RegistryAccess& registry, TextValue (*at)(std::string_view)) {
    auto place = personalization::LogonNoticeKey(registry);
    return place ? Read(registry, at(*place)) : std::string();
}

void BlockList(core::Context& context, ConfigText& text) {
    auto read =
        context.files.ReadText(restrictions::block_list::FilePath(context.values.baseFolder));
    if (!read) {
        // Tells the importing computer to stop the blocking companion.
        text.Add(key::BlockList, "");
        return;
    }
    // A read error keeps the lines before it. Empty lines carry nothing,
    // and a file of nothing but empty lines must not read as "no list".
    for (const std::string& line : platform::SplitLines(read->text))
        if (!line.empty()) text.Add(key::BlockList, line);
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

std::vector<std::string> ExportedProgramNames() {
    std::vector<std::string> names;
    for (int number = restrictions::allow_list::kFirstUserNumber; number <= kLastExported; ++number)
        names.push_back(std::to_string(number));
    return names;
}

std::vector<ExportedProgram> ExportedPrograms(RegistryAccess& registry) {
    // The user's list and the wizard's catalogue; the program's own
    // executables are written by every import anyway.
    std::vector<ExportedProgram> programs;
    for (const std::string& name : ExportedProgramNames()) {
        std::string program =
            registry.GetValue(Hive::CurrentUser, restrictions::allow_list::kListKey, name);
        if (!program.empty()) programs.push_back({std::stoi(name), std::move(program)});
    }
    return programs;
}

void CollectGroup(ExportGroup group, core::Context& context, ConfigText& text) {
    RegistryAccess& registry = context.registry;
    switch (group) {
        case ExportGroup::Policies:
            return Policies(registry, text);
        case ExportGroup::AllowList: {
            std::vector<ExportedProgram> programs = ExportedPrograms(registry);
            for (const ExportedProgram& program : programs) text.Add(key::AllowList, program.name);
            // A group with no list says nothing of its option unless the option is on.
            bool outside = applocker::InForce(context);
            if (outside || !programs.empty()) text.Add(key::OutsideExplorer, outside ? "1" : "0");
            return;
        }
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
            text.Add(key::NoticeCaption, Notice(registry, NoticeCaptionAt));
            text.Add(key::NoticeText, Notice(registry, NoticeTextAt));
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

std::string CollectFile(core::Context& context, const std::vector<ExportGroup>& groups) {
    ConfigText text;
    for (const ExportGroupInfo& info : kExportGroups)
        if (std::find(groups.begin(), groups.end(), info.group) != groups.end())
            CollectGroup(info.group, context, text);
    return text.empty() ? std::string() : text.FileContent();
}

}  // namespace transfer
