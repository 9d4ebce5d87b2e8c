#pragma once
// What the emergency program undoes: the allow-list switch, every policy of
// the three policy screens, and the logon entry of the blocking companion.
// The stored allow-list and the block-list file stay, so nothing the
// administrator typed is lost.
#include <string>
#include <vector>

#include "registry/RegistryAccess.h"

namespace companions {

// Lifts the restrictions and says, line by line, what it changed.
std::vector<std::string> LiftRestrictions(RegistryAccess& registry);

}  // namespace companions
