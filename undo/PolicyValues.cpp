#include "undo/PolicyValues.h"

#include <algorithm>

namespace undo {

using grouppolicy::PolicyEntry;
using grouppolicy::SameName;
using grouppolicy::Utf16Of;

namespace {

bool OfValue(const PolicyEntry& entry, const std::u16string& key, const std::u16string& name) {
    return SameName(entry.key, key) &&
           (SameName(entry.name, name) || SameName(entry.name, u"**del." + name));
}

}  // namespace

std::vector<PolicyValueState::Entry> EntriesOf(const std::vector<PolicyEntry>& file,
                                               const std::string& key, const std::string& name) {
    std::vector<PolicyValueState::Entry> kept;
    for (const PolicyEntry& entry : file)
        if (OfValue(entry, Utf16Of(key), Utf16Of(name)))
            kept.push_back({grouppolicy::Utf8Of(entry.name), entry.type, entry.data});
    return kept;
}

std::optional<std::string> WithValuesRestored(const std::optional<std::string>& now,
                                              const std::vector<const PolicyValueState*>& states) {
    auto parsed = now ? grouppolicy::ParsePolicyFile(*now) : std::vector<PolicyEntry>();
    if (!parsed) return std::nullopt;
    std::vector<PolicyEntry>& entries = *parsed;
    for (const PolicyValueState* state : states) {
        std::u16string key = Utf16Of(state->key), name = Utf16Of(state->name);
        auto first = std::find_if(entries.begin(), entries.end(),
                                  [&](const PolicyEntry& e) { return OfValue(e, key, name); });
        std::size_t at = static_cast<std::size_t>(first - entries.begin());
        std::erase_if(entries, [&](const PolicyEntry& e) { return OfValue(e, key, name); });
        std::vector<PolicyEntry> before;
        for (const PolicyValueState::Entry& entry : state->entries)
            before.push_back({key, Utf16Of(entry.name), entry.type, entry.data});
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(std::min(at, entries.size())),
                       before.begin(), before.end());
    }
    return grouppolicy::PolicyFileBytes(entries);
}

}  // namespace undo
