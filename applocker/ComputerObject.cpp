#include "applocker/ComputerObject.h"

#include <algorithm>

#include "registry/RegistryAccess.h"

namespace applocker {
namespace {

using grouppolicy::DwordData;
using grouppolicy::PolicyEntry;
using grouppolicy::Utf16Of;
using grouppolicy::Utf8Of;

constexpr std::u16string_view kRuleValue = u"Value";
constexpr std::u16string_view kEnforcement = u"EnforcementMode";
constexpr std::u16string_view kAllowWindows = u"AllowWindows";
constexpr std::uint32_t kText = 1, kDword = 4;

std::u16string CollectionKey(Collection collection) {
    return Utf16Of(std::string(kPolicyKey) + "\\" + std::string(CollectionName(collection)));
}

// The rule's id when the entry lies in a rule's key of the collection.
std::string RuleIdOf(const PolicyEntry& entry, Collection collection) {
    std::u16string parent = CollectionKey(collection) + u"\\";
    if (entry.key.size() <= parent.size() ||
        !grouppolicy::SameName(std::u16string_view(entry.key).substr(0, parent.size()), parent))
        return {};
    std::u16string id = entry.key.substr(parent.size());
    return id.find(u'\\') == std::u16string::npos ? Utf8Of(id) : std::string();
}

bool InRule(const PolicyEntry& entry, Collection collection) {
    return !RuleIdOf(entry, collection).empty();
}

bool IsOwn(const PolicyEntry& entry) {
    return std::any_of(
        std::begin(kCollections), std::end(kCollections),
        [&](Collection collection) { return IsOwnRule(RuleIdOf(entry, collection)); });
}

std::string TagOfEntry(const PolicyEntry& entry) {
    for (Collection collection : kCollections)
        if (std::string id = RuleIdOf(entry, collection); IsOwnRule(id)) return TagOf(id);
    return {};
}

bool IsSetting(const PolicyEntry& entry, Collection collection, std::u16string_view name) {
    return grouppolicy::SameName(entry.key, CollectionKey(collection)) &&
           grouppolicy::SameName(entry.name, name);
}

// A collection that holds rules is enforced; one the program emptied has
// nothing left to enforce.
void Settle(Entries& entries, const Entries& before) {
    for (Collection collection : kCollections) {
        auto holds = [&](const Entries& list) {
            return std::any_of(list.begin(), list.end(),
                               [&](const PolicyEntry& e) { return InRule(e, collection); });
        };
        auto setting = [&](std::u16string_view name) {
            return std::find_if(entries.begin(), entries.end(), [&](const PolicyEntry& e) {
                return IsSetting(e, collection, name);
            });
        };
        if (holds(entries)) {
            auto mode = setting(kEnforcement);
            if (mode == entries.end())
                entries.push_back({CollectionKey(collection), std::u16string(kEnforcement), kDword,
                                   DwordData(1)});
            else if (mode->type != kDword || mode->data != DwordData(1))
                *mode = {mode->key, mode->name, kDword, DwordData(1)};
            if (setting(kAllowWindows) == entries.end())
                entries.push_back({CollectionKey(collection), std::u16string(kAllowWindows), kDword,
                                   DwordData(0)});
        } else if (holds(before)) {
            std::erase_if(entries, [&](const PolicyEntry& e) {
                return IsSetting(e, collection, kEnforcement) ||
                       IsSetting(e, collection, kAllowWindows);
            });
        }
    }
}

}  // namespace

Entries RuleEntries(const std::vector<Rule>& rules) {
    Entries entries;
    for (const Rule& rule : rules)
        entries.push_back({CollectionKey(rule.collection) + u"\\" + Utf16Of(rule.id),
                           std::u16string(kRuleValue), kText,
                           grouppolicy::TextData(RuleXml(rule))});
    return entries;
}

bool HoldsTarget(const Entries& entries, std::string_view sid) {
    std::string tag = TargetTag(sid);
    return std::any_of(entries.begin(), entries.end(),
                       [&](const PolicyEntry& entry) { return TagOfEntry(entry) == tag; });
}

Entries WithTarget(const Entries& entries, const RuleTarget& target, bool on,
                   std::string_view nonAdministrators) {
    const std::string tag = TargetTag(target.sid), everyoneElse = TargetTag("");
    Entries kept = entries;
    std::erase_if(kept, [&](const PolicyEntry& entry) {
        std::string own = TagOfEntry(entry);
        return own == tag || own == everyoneElse;
    });
    if (on) {
        Entries added = RuleEntries(TargetRules(target, nonAdministrators));
        kept.insert(kept.end(), added.begin(), added.end());
    }
    bool accounts = false, everyone = HoldsTarget(kept, nonAdministrators);
    for (const PolicyEntry& entry : kept) {
        std::string own = TagOfEntry(entry);
        accounts |= !own.empty() && own != TargetTag(nonAdministrators);
    }
    if (accounts && !everyone) {
        Entries added = RuleEntries(EveryoneElseRules());
        kept.insert(kept.end(), added.begin(), added.end());
    }
    Settle(kept, entries);
    return kept;
}

Entries OwnPart(const Entries& entries) {
    Entries own;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(own), IsOwn);
    return own;
}

Entries WithOwnPart(const Entries& entries, const Entries& part) {
    Entries kept = entries;
    std::erase_if(kept, IsOwn);
    for (const PolicyEntry& entry : part)
        if (IsOwn(entry)) kept.push_back(entry);
    Settle(kept, entries);
    return kept;
}

}  // namespace applocker
