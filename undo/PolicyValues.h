#pragma once
// A policy object's values as a backup keeps them: the file's own entries of
// each value the import changed, put back into the file as it is by then, so
// that whatever else changed there since (a screen, the local Group Policy
// editor) stays.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grouppolicy/PolicyFile.h"
#include "undo/BackupFile.h"

namespace undo {

// The marker that empties a key before its values (the allow-list's): kept
// and put back as if it were one of the key's values.
inline constexpr std::string_view kEmptiesKey = "**delvals.";

// The entries of the value (itself, or a "**del." marker for it), in file order.
std::vector<PolicyValueState::Entry> EntriesOf(const std::vector<grouppolicy::PolicyEntry>& file,
                                               const std::string& key, const std::string& name);

// The file with each value's entries as they were, where its first entry is
// now (or at the end), and every other entry as it is; nothing when the
// file is there but is not a policy file.
std::optional<std::string> WithValuesRestored(const std::optional<std::string>& now,
                                              const std::vector<const PolicyValueState*>& states);

}  // namespace undo
