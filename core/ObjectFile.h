#pragma once
// What is said of the target's policy object when its file is not one, and
// when a command's changes could not be written into it: a screen that went
// on as if "nothing set" would export, and then impose, no restriction.
#include <optional>
#include <string>
#include <string_view>

#include "core/Context.h"

namespace core {

// The file of the chosen object is not a valid Registry.pol: the sentence
// that names it; nothing when it is sound or no object is the target.
std::optional<std::string> DamagedObject(Context& context);

// Shows that sentence (title "Quarvel", `style`) when the object is
// damaged; true when it was shown.
bool SayDamagedObject(Context& context, std::uint32_t style);

// Ends a menu command: writes the object and raises its version, and says
// what could not be written, since Windows would not apply the change.
void CommitCommand(Context& context);

// A write refused: as ShowNotStored of the dialogs, but a damaged object
// is named as the reason.
void ShowNotStored(Context& context, std::string_view what, std::string_view why = {});
void ShowNotStored(Context& context, Hive hive, std::string_view key, std::string_view what);

}  // namespace core
