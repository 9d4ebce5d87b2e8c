#pragma once
// The Windows folder for the paths that live in it (the open-with verb's
// command, the shell's icon cache): SystemRoot of the CurrentVersion key
// where the 9x family keeps it, else the folder the system reports, since
// the NT family and Wine keep SystemRoot elsewhere.
#include <string>

#include "platform/Files.h"
#include "registry/RegistryAccess.h"

namespace core {

std::string WindowsFolder(RegistryAccess& registry, platform::Files& files);

}  // namespace core
