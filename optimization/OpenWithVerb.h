#pragma once
// The "QV - Abrir com..." verb in the context menu of every file.
#include "registry/RegistryAccess.h"

namespace optimization {

bool OpenWithVerbIsOn(RegistryAccess& registry);
void SetOpenWithVerb(RegistryAccess& registry, bool on);

}  // namespace optimization
