#pragma once
// The lock code: plain text in SYSNOT, read fresh at every use (another
// screen or an import may have changed it), and the message of a wrong one.
#include <string>

#include "platform/Dialogs.h"
#include "registry/RegistryAccess.h"

namespace core {

// Empty text: no lock code.
std::string ReadLockCode(RegistryAccess& registry);
RegistryStatus WriteLockCode(RegistryAccess& registry, const std::string& code);

// The one message before the program ends on a wrong code.
void ShowWrongCode(platform::Dialogs& dialogs);

}  // namespace core
