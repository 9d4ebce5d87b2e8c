#include "personalization/IconCache.h"

#include "personalization/IconSlots.h"
#include "core/WindowsFolder.h"
#include "core/modFileAttributes.h"

namespace personalization {

void DeleteIconCache(RegistryAccess& registry, platform::Files& files) {
    std::string cache = core::WindowsFolder(registry, files) + std::string(kIconCacheName);
    core::modFileAttributes::SetAttributes(files, cache, false, false, false);
    files.Delete(cache);
}

bool ScheduleCacheCleaner(RegistryAccess& registry, platform::Files& files) {
    // Quoted: a blank in the folder must not let "C:\Program.exe" run in its place.
    const std::string cleaner = files.ProgramFolder() + std::string(kCacheCleaner);
    return registry.SetValue(Hive::LocalMachine, kRunKey, kDelIconCache, "\"" + cleaner + "\"",
                             ValueType::String) == 0;
}

void UnscheduleCacheCleaner(RegistryAccess& registry) {
    registry.DeleteValue(Hive::LocalMachine, kRunKey, kDelIconCache);
}

}  // namespace personalization
