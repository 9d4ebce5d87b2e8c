#pragma once
// The "QV - Abrir com..." verb in the context menu of every file.
#include "platform/Files.h"
#include "registry/RegistryAccess.h"

namespace optimization {

bool OpenWithVerbIsOn(RegistryAccess& registry);
// Adds the verb, its command in the Windows folder, or removes it; false
// when the registry is not as asked afterwards.
bool SetOpenWithVerb(RegistryAccess& registry, platform::Files& files, bool on);

}  // namespace optimization
