#include "companions/Rescue.h"

#include <set>

#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "restrictions/PolicyCatalogues.h"

namespace companions {
namespace {

// Writes 0 (keys are not created: a missing key holds no restriction) and
// tells whether a restriction was in force there.
bool SwitchOff(RegistryAccess& registry, std::string_view key, std::string_view name) {
    bool wasOn = registry.GetValueTextOrZero(Hive::CurrentUser, key, name) != "0";
    return registry.SetValue(Hive::CurrentUser, key, name, 0) == 0 && wasOn;
}

}  // namespace

std::vector<std::string> LiftRestrictions(RegistryAccess& registry) {
    using namespace restrictions;
    std::vector<std::string> undone;
    if (SwitchOff(registry, kExplorerPolicyKey, allow_list::kSwitch))
        undone.push_back("a restrição de executáveis foi desligada");
    int policies = 0;
    std::set<std::string_view> done;  // one value may sit on two screens
    auto lift = [&](const auto& entries) {
        for (const PolicyEntry& entry : entries)
            if (done.insert(entry.valueName).second &&
                SwitchOff(registry, entry.key, entry.valueName))
                ++policies;
    };
    lift(kSystemPolicies);
    lift(kDesktopPolicies);
    lift(kExplorerPolicies);
    if (policies == 1)
        undone.push_back("1 restrição do Windows foi desligada");
    else if (policies > 1)
        undone.push_back(std::to_string(policies) + " restrições do Windows foram desligadas");
    if (!registry.GetValue(Hive::LocalMachine, block_list::kRunKey, block_list::kLogonEntry)
             .empty()) {
        block_list::RemoveLogonEntry(registry);
        undone.push_back("o bloqueio de pastas/janelas não será mais iniciado com o Windows");
    }
    return undone;
}

}  // namespace companions
