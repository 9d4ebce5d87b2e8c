#include "transfer/ConfigRecords.h"

namespace transfer {

std::array<const restrictions::PolicyEntry*, kPolicyCount> PoliciesInFileOrder() {
    std::array<const restrictions::PolicyEntry*, kPolicyCount> order{};
    std::size_t next = 0;
    auto add = [&](const auto& catalogue) {
        for (const auto& entry : catalogue) order[next++] = &entry;
    };
    add(restrictions::kSystemPolicies);
    add(restrictions::kDesktopPolicies);
    add(restrictions::kExplorerPolicies);
    return order;
}

}  // namespace transfer
