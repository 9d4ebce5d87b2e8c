#pragma once
// The shell's icon cache file in the Windows folder, and its cleaner that
// runs once at the next start of Windows.
#include "platform/Files.h"
#include "registry/RegistryAccess.h"

namespace personalization {

// Clears the file's attributes (a read-only or hidden cache would refuse to
// go) and deletes it; a missing file is no error.
void DeleteIconCache(RegistryAccess& registry, platform::Files& files);

// The Run entry that starts limpaico.exe at the next start of Windows;
// false when it was not written.
bool ScheduleCacheCleaner(RegistryAccess& registry, platform::Files& files);
void UnscheduleCacheCleaner(RegistryAccess& registry);

}  // namespace personalization
