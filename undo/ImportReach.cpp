#include "undo/ImportReach.h"

#include <algorithm>

#include "core/AccessTrust.h"
#include "grouppolicy/PolicyFile.h"
#include "grouppolicy/PolicyObject.h"
#include "restrictions/BlockList.h"

namespace undo {

namespace {

std::string Lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool Same(const std::string& a, const std::string& b) {
    return Lowered(a) == Lowered(b);
}

// The rest of the path after the folder, "" when it does not lie there.
std::optional<std::string> Under(const std::string& path, const std::string& folder) {
    if (path.size() <= folder.size() || !Same(path.substr(0, folder.size()), folder) ||
        path[folder.size()] != '\\')
        return std::nullopt;
    return path.substr(folder.size());
}

// "System32" and "Sysnative" in the Windows folder this build sees.
std::vector<std::string> SpellingsOfSystem32(const std::string& system32) {
    std::string windows = core::ParentOf(system32);
    if (windows.empty()) return {system32};
    std::string separator(1, system32[windows.size()]);
    return {system32, windows + separator + "System32", windows + separator + "Sysnative"};
}

std::string AsReachedHere(core::Context& context, const std::string& named) {
    std::string system32 = context.accounts.System32();
    for (const std::string& spelling : SpellingsOfSystem32(system32))
        if (auto rest = Under(named, spelling)) return system32 + *rest;
    return named;
}

// An account of this computer: its SID is the computer's own domain of
// SIDs (that of its local accounts) and one number.
bool IsLocalAccount(core::Context& context, const std::string& sid) {
    for (const platform::Account& account : context.accounts.Local()) {
        std::string domain = account.sid.substr(0, account.sid.rfind('-') + 1);
        if (!domain.starts_with("S-1-5-21-") || !sid.starts_with(domain)) continue;
        std::string rid = sid.substr(domain.size());
        if (!rid.empty() && rid.size() < 11 &&
            std::all_of(rid.begin(), rid.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return true;
    }
    return false;
}

}  // namespace

std::string NameForBackup(core::Context& context, const std::string& path) {
    std::vector<std::string> spellings = SpellingsOfSystem32(context.accounts.System32());
    if (auto rest = Under(path, spellings.front()))
        return spellings.size() > 1 ? spellings[1] + *rest : path;
    return path;
}

std::optional<std::string> ReachableObject(core::Context& context, const std::string& named) {
    std::string system32 = context.accounts.System32();
    std::string here = AsReachedHere(context, named);
    if (Same(here, grouppolicy::MachineObjectFolder(system32)))
        return grouppolicy::MachineObjectFolder(system32);
    std::string objects = grouppolicy::ObjectFolder(system32, "");
    if (!Same(here.substr(0, objects.size()), objects)) return std::nullopt;
    std::string sid = here.substr(objects.size());
    if (sid == grouppolicy::kNonAdministrators || IsLocalAccount(context, sid))
        return grouppolicy::ObjectFolder(system32, sid);
    return std::nullopt;
}

std::optional<std::string> ReachablePolicyFile(core::Context& context, const std::string& named) {
    std::string system32 = context.accounts.System32();
    std::string here = AsReachedHere(context, named);
    std::string machine = grouppolicy::MachineObjectFolder(system32);
    if (Same(here, grouppolicy::MachinePolicyFile(machine)))
        return grouppolicy::MachinePolicyFile(machine);
    constexpr std::string_view kUserFile = "\\User\\Registry.pol";
    if (here.size() <= kUserFile.size() ||
        !Same(here.substr(here.size() - kUserFile.size()), std::string(kUserFile)))
        return std::nullopt;
    auto folder = ReachableObject(context, here.substr(0, here.size() - kUserFile.size()));
    if (!folder || Same(*folder, machine)) return std::nullopt;
    return grouppolicy::UserPolicyFile(*folder);
}

bool LogonEntryAllowed(core::Context& context, const std::string& name, const StoredValue& value,
                       bool inPolicyFile) {
    namespace block_list = restrictions::block_list;
    if (!Same(name, std::string(block_list::kLogonEntry))) return true;
    std::string command = block_list::LogonCommand(context.files.ProgramFolder());
    std::string data(value.data.begin(), value.data.end());
    if (value.type != 1) return false;
    if (inPolicyFile) return data == grouppolicy::TextData(command);
    std::string ansi = context.registry.codec().ToAnsi(command);
    return data == ansi || data == ansi + std::string(1, '\0');
}

}  // namespace undo
