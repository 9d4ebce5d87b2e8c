#pragma once
// The stored allow-list: the switch RestrictRun in the explorer policy key,
// and the programs that may run as numbered REG_SZ values of its list key.
// The numbers are divided into fixed ranges: the program's own executables,
// the user's list and the restriction wizard's catalogue. Everything that
// writes the list (the allow-list screen, the wizard, the configuration
// import) keeps to these ranges.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "grouppolicy/PolicyObject.h"
#include "registry/RegistryAccess.h"
#include "restrictions/PolicyCatalogues.h"

namespace restrictions::allow_list {

inline constexpr std::string_view kListKey = grouppolicy::kAllowListKey;
inline constexpr std::string_view kSwitch = "RestrictRun";  // in kExplorerPolicyKey

// "1" to "3": always allowed, so that the program, its emergency program and
// the blocking companion can start however the list is set.
inline constexpr std::array<std::string_view, 3> kOwnExecutables = {"Quarvel.exe", "Resgate.exe",
                                                                    "DErodu.exe"};
inline constexpr int kFirstUserNumber = 6;
inline constexpr int kLastUserNumber = 599;
inline constexpr std::size_t kUserCapacity = kLastUserNumber - kFirstUserNumber + 1;  // 594
// "606" to "721" belong to the restriction wizard.
inline constexpr int kFirstWizardNumber = 606;
inline constexpr int kLastWizardNumber = 721;

// The non-empty values "6" to "599", in number order; gaps close up.
std::vector<std::string> ReadUserList(RegistryAccess& registry);

// Creates the explorer policy key and the list key, then writes "1" to "3";
// false when any of it was refused.
bool PrepareList(RegistryAccess& registry);

// Stores the first kUserCapacity entries at "6" onwards, in order, and
// deletes the numbers of the user range beyond them, so that the stored
// range holds exactly these entries.
struct Written {
    std::size_t stored = 0;  // entries within the range
    bool refused = false;    // the registry refused a write or a deletion
};
Written WriteUserList(RegistryAccess& registry, const std::vector<std::string>& entries);

// RestrictRun, REG_DWORD 1 or 0; the key is not created. False when refused.
bool SetSwitch(RegistryAccess& registry, bool on);

}  // namespace restrictions::allow_list
