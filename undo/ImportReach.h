#pragma once
// Where an import can have written, and so where undo may write again: the
// policy objects an import goes to, whichever build (32 or 64-bit) wrote the
// backup, and the one logon entry it sets.
#include <optional>
#include <string>

#include "core/Context.h"
#include "registry/RegistryAccess.h"

namespace undo {

// A policy object's folder or file as backups name it: under the Windows
// folder's own System32, never the Sysnative a 32-bit build reaches it by.
std::string NameForBackup(core::Context& context, const std::string& path);

// The object's folder as this build reaches it, when an import could have
// written there: the non-administrators' object, an account's of this
// computer's own domain of SIDs, or the computer's own object. Nothing for
// any other folder (the Administrators' object, "..", a short name).
std::optional<std::string> ReachableObject(core::Context& context, const std::string& named);
// The same for a policy file: an account object's User\Registry.pol, the
// computer object's Machine\Registry.pol.
std::optional<std::string> ReachablePolicyFile(core::Context& context, const std::string& named);

// False for the logon entry TvalueT unless its data is what an import
// writes: the quoted path of this program's own DErodu.exe, as REG_SZ (in a
// policy file, UTF-16); true for any other value.
bool LogonEntryAllowed(core::Context& context, const std::string& name, const StoredValue& value,
                       bool inPolicyFile);

}  // namespace undo
