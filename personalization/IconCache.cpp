#include "personalization/IconCache.h"

#include "personalization/IconSlots.h"
#include "core/Settings.h"
#include "core/modFileAttributes.h"

namespace personalization {

void DeleteIconCache(RegistryAccess& registry, platform::Files& files) {
    std::string cache =
        registry.GetValue(Hive::LocalMachine, core::kCurrentVersion, core::kSystemRoot) +
        std::string(kIconCacheName);
    core::modFileAttributes::SetAttributes(files, cache, false, false, false);
    files.Delete(cache);
}

void ScheduleCacheCleaner(RegistryAccess& registry, platform::Files& files) {
    registry.SetValue(Hive::LocalMachine, kRunKey, kDelIconCache,
                      files.ProgramFolder() + std::string(kCacheCleaner), ValueType::String);
}

void UnscheduleCacheCleaner(RegistryAccess& registry) {
    registry.DeleteValue(Hive::LocalMachine, kRunKey, kDelIconCache);
}

}  // namespace personalization
