#pragma once
// The base folder, where the block-list file lives: the Windows folder named
// by SystemRoot, else the program's own folder (where DErodu.exe and the
// files of earlier versions look for it).
#include <string>

#include "core/Settings.h"
#include "platform/Files.h"
#include "registry/RegistryAccess.h"

namespace core {

inline std::string BaseFolder(RegistryAccess& registry, platform::Files& files) {
    std::string folder = registry.GetValue(Hive::LocalMachine, kCurrentVersion, kSystemRoot);
    return folder.empty() ? files.ProgramFolder() : folder;
}

}  // namespace core
