#pragma once
// How the import and undo name what they could not write.
#include <string>
#include <string_view>
#include <vector>

#include "registry/RegistryAccess.h"

namespace changes {

// "HKEY_CURRENT_USER\key", and "...\key\name" ("(Padrão)" for the default
// value, as the registry editor shows it).
std::string KeyPath(Hive hive, std::string_view key);
std::string ValuePath(Hive hive, std::string_view key, std::string_view name);
// Why Windows refused, in a few words between parentheses, after a blank.
std::string WhyNotWritten(RegistryStatus status);
// Each item on a line of its own, after the text that announces them.
std::string Listed(const std::vector<std::string>& items);

}  // namespace changes
