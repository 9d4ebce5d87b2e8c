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

bool PrepareList(RegistryAccess& registry) {
    bool done = registry.CreateKey(Hive::CurrentUser, kExplorerPolicyKey) == 0 &&
                registry.CreateKey(Hive::CurrentUser, kListKey) == 0;
    for (std::size_t i = 0; i < kOwnExecutables.size(); ++i)
        done &= registry.SetValue(Hive::CurrentUser, kListKey, std::to_string(i + 1),
                                  kOwnExecutables[i], ValueType::String) == 0;
    return done;
}

Written WriteUserList(RegistryAccess& registry, const std::vector<std::string>& entries) {
    Written written{std::min(entries.size(), kUserCapacity), false};
    int number = kFirstUserNumber;
    for (std::size_t i = 0; i < written.stored; ++i, ++number)
        written.refused |= registry.SetValue(Hive::CurrentUser, kListKey, std::to_string(number),
                                             entries[i], ValueType::String) != 0;
    // A removed entry must no longer be allowed: nothing of the old list may
    // stay behind the new end. Only what is there is deleted, so that an
    // import compared with the stored list finds nothing to change.
    for (; number <= kLastUserNumber; ++number) {
        if (!registry.ValueExists(Hive::CurrentUser, kListKey, std::to_string(number))) continue;
        RegistryStatus status =
            registry.DeleteValue(Hive::CurrentUser, kListKey, std::to_string(number));
        written.refused |= status != 0 && status != platform::status::FileNotFound;
    }
    return written;
}

bool SetSwitch(RegistryAccess& registry, bool on) {
    return registry.SetValue(Hive::CurrentUser, kExplorerPolicyKey, kSwitch, on ? 1 : 0) == 0;
}

}  // namespace restrictions::allow_list
