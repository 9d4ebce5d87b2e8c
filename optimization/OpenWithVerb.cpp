#include "optimization/OpenWithVerb.h"

#include "optimization/DesktopSettings.h"
#include "core/WindowsFolder.h"

namespace optimization {

bool OpenWithVerbIsOn(RegistryAccess& registry) {
    return registry.GetValue(Hive::ClassesRoot, kOpenWithKey, "") == kOpenWithText;
}

bool SetOpenWithVerb(RegistryAccess& registry, platform::Files& files, bool on) {
    if (!on) {
        // The NT family refuses to delete a key that still has subkeys: the
        // command goes first, so that the verb is gone on every Windows.
        registry.DeleteKey(Hive::ClassesRoot, kOpenWithCommandKey);
        registry.DeleteKey(Hive::ClassesRoot, kOpenWithKey);
        return !registry.KeyExists(Hive::ClassesRoot, kOpenWithKey);
    }
    registry.CreateKey(Hive::ClassesRoot, kOpenWithKey);
    registry.CreateKey(Hive::ClassesRoot, kOpenWithCommandKey);
    std::string command = core::WindowsFolder(registry, files) + std::string(kOpenWithCommand);
    return registry.SetValue(Hive::ClassesRoot, kOpenWithKey, "", kOpenWithText,
                             ValueType::String) == 0 &&
           registry.SetValue(Hive::ClassesRoot, kOpenWithCommandKey, "", command,
                             ValueType::String) == 0;
}

}  // namespace optimization
