#include "core/PolicyObjects.h"

#include "grouppolicy/PolicyObject.h"

namespace core {

std::vector<HeldObject> LocalObjects(Context& context) {
    platform::Accounts& accounts = context.accounts;
    std::vector<HeldObject> objects;
    auto add = [&](Target target, std::string_view sid) {
        std::string folder = grouppolicy::ObjectFolder(accounts.System32(), sid);
        auto bytes = context.files.ReadBytes(grouppolicy::UserPolicyFile(folder));
        if (!bytes) return;
        if (auto entries = grouppolicy::ParsePolicyFile(*bytes))
            objects.push_back({std::move(target), folder, std::move(*entries)});
    };
    if (!accounts.HasPolicyObjectsPerAccount()) return objects;
    add({TargetKind::NonAdministrators, ""}, grouppolicy::kNonAdministrators);
    for (const platform::Account& account : accounts.Local())
        add({TargetKind::Account, account.name}, account.sid);
    return objects;
}

bool Sets(const HeldObject& object, std::string_view key, std::string_view name) {
    using grouppolicy::SameName, grouppolicy::Utf16Of;
    const std::u16string wantedKey = Utf16Of(key), wantedName = Utf16Of(name);
    bool set = false;
    for (const grouppolicy::PolicyEntry& entry : object.entries) {
        if (!SameName(entry.key, wantedKey)) continue;
        if (SameName(entry.name, wantedName)) set = true;
        if (SameName(entry.name, u"**delvals.") || SameName(entry.name, u"**del." + wantedName))
            set = false;
    }
    return set;
}

}  // namespace core
