#pragma once
// The program's rules inside the computer's own policy object
// (Machine\Registry.pol): each rule a key under the policy key of its
// collection, holding the rule's element as `Value`, and per collection
// `EnforcementMode` (1: enforced) and `AllowWindows`. Entries the program
// does not own (the Group Policy editor's, other tools', other rules) stay
// as they are, byte for byte and in their place.
#include <string>
#include <string_view>
#include <vector>

#include "applocker/Rules.h"
#include "grouppolicy/PolicyFile.h"

namespace applocker {

using Entries = std::vector<grouppolicy::PolicyEntry>;

inline constexpr std::string_view kPolicyKey = "Software\\Policies\\Microsoft\\Windows\\SrpV2";

// The registry entries of the rules, in order.
Entries RuleEntries(const std::vector<Rule>& rules);

// Whether the entries hold the program's rules for the target's SID.
bool HoldsTarget(const Entries& entries, std::string_view sid);

// The entries with the target's rules replaced (`on`) or taken away, and the
// rule that lets everyone else run everything there exactly when an account
// has rules and the non-administrators have none.
Entries WithTarget(const Entries& entries, const RuleTarget& target, bool on,
                   std::string_view nonAdministrators);

// The program's own rule entries, and the entries with exactly those in
// place of the program's rules they hold now: what a backup keeps and what
// undo puts back.
Entries OwnPart(const Entries& entries);
Entries WithOwnPart(const Entries& entries, const Entries& part);

}  // namespace applocker
