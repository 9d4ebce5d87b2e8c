#include "restrictions/AllowList.h"

#include <algorithm>

namespace restrictions::allow_list {

std::vector<std::string> ReadUserList(RegistryAccess& registry) {
    std::vector<std::string> entries;
    for (int number = kFirstUserNumber; number <= kLastUserNumber; ++number) {
        std::string entry = registry.GetValue(Hive::CurrentUser, kListKey, std::to_string(number));
        if (!entry.empty()) entries.push_back(std::move(entry));
    }
    return entries;
}

void PrepareList(RegistryAccess& registry) {
    registry.CreateKey(Hive::CurrentUser, kExplorerPolicyKey);
    registry.CreateKey(Hive::CurrentUser, kListKey);
    for (std::size_t i = 0; i < kOwnExecutables.size(); ++i)
        registry.SetValue(Hive::CurrentUser, kListKey, std::to_string(i + 1), kOwnExecutables[i],
                          ValueType::String);
}

std::size_t WriteUserList(RegistryAccess& registry, const std::vector<std::string>& entries) {
    std::size_t stored = std::min(entries.size(), kUserCapacity);
    int number = kFirstUserNumber;
    for (std::size_t i = 0; i < stored; ++i, ++number)
        registry.SetValue(Hive::CurrentUser, kListKey, std::to_string(number), entries[i],
                          ValueType::String);
    // A removed entry must no longer be allowed: nothing of the old list may
    // stay behind the new end.
    for (; number <= kLastUserNumber; ++number)
        registry.DeleteValue(Hive::CurrentUser, kListKey, std::to_string(number));
    return stored;
}

void SetSwitch(RegistryAccess& registry, bool on) {
    registry.SetValue(Hive::CurrentUser, kExplorerPolicyKey, kSwitch, on ? 1 : 0);
}

}  // namespace restrictions::allow_list
