#include "personalization/IconCache.h"

#include "personalization/IconSlots.h"
#include "shell/Settings.h"
#include "shell/modFileAttributes.h"

namespace personalization {

void DeleteIconCache(RegistryAccess& registry, platform::Files& files) {
    std::string cache =
        registry.GetValue(Hive::LocalMachine, shell::kCurrentVersion, shell::kSystemRoot) +
        std::string(kIconCacheName);
    shell::modFileAttributes::SetAttributes(files, cache, false, false, false);
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
