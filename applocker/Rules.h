#pragma once
// The rules that make Windows itself refuse, whatever starts them, the
// programs, scripts and installers that lie outside the Windows folder and
// the program folders, for the accounts the option is in force for. Each
// rule is one element of Windows' application-control policy, kept in the
// computer's policy object, one registry key per rule.
//
// A deny rule wins over every allow rule, and every account (administrators
// too) is a member of Users and Everyone. So the non-administrators get
// allow rules only: Administrators everything, everyone else the two
// folders. A named account gets deny rules for its own SID, and then
// everyone else must be allowed everything, since a collection that holds
// any rule refuses whatever no rule allows.
#include <string>
#include <string_view>
#include <vector>

namespace applocker {

enum class Collection { Exe, Script, Msi };
inline constexpr Collection kCollections[] = {Collection::Exe, Collection::Script, Collection::Msi};
// The name Windows gives the collection, which is also its registry key.
std::string_view CollectionName(Collection collection);

inline constexpr std::string_view kEveryone = "S-1-1-0";
inline constexpr std::string_view kAdministrators = "S-1-5-32-544";

struct Rule {
    Collection collection;
    std::string id;  // lower-case GUID without braces, as the key is named
    std::string name;
    std::string description;
    std::string sid;
    bool allow = true;
    std::string path;
    std::vector<std::string> exceptions;
    bool operator==(const Rule&) const = default;
};

// One target with the option in force: the non-administrators (the Users
// group's SID) or one account, with the programs its allow-list names.
struct RuleTarget {
    std::string sid;
    std::vector<std::string> listed;
};

// The rules of one target; `nonAdministrators` names the Users group's SID.
std::vector<Rule> TargetRules(const RuleTarget& target, std::string_view nonAdministrators);
// What lets every account that no target names run everything: needed once
// an account has rules and the non-administrators have none.
std::vector<Rule> EveryoneElseRules();

// The part of a rule's id that says which target it belongs to; "" for the
// rule that allows everything to everyone else.
std::string TargetTag(std::string_view sid);
// Whether the id is one of the program's own rules, and of which target.
bool IsOwnRule(std::string_view id);
std::string TagOf(std::string_view id);

// The rule as Windows stores it: one FilePathRule element.
std::string RuleXml(const Rule& rule);
// The SID a stored rule names; "" when there is none.
std::string SidOfXml(std::string_view xml);

}  // namespace applocker
