#include "core/WindowsFolder.h"

#include "core/Settings.h"

namespace core {

std::string WindowsFolder(RegistryAccess& registry, platform::Files& files) {
    std::string folder = registry.GetValueText(Hive::LocalMachine, kCurrentVersion, kSystemRoot);
    return folder.empty() ? files.WindowsFolder() : folder;
}

}  // namespace core
