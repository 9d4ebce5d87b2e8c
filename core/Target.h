#pragma once
// Whose settings the program shows and writes: this account's own (the
// default), every account that is not an administrator, or one local account
// by name. The last two are local Group Policy objects, which Windows applies
// at those accounts' logons; what belongs to the computer goes to the
// computer whatever the target.
#include <string>

namespace core {

struct Context;

enum class TargetKind { ThisAccount, NonAdministrators, Account };

struct Target {
    TargetKind kind = TargetKind::ThisAccount;
    std::string account;  // the account's name; this account's own too
    bool IsPolicyObject() const { return kind != TargetKind::ThisAccount; }
};

// How the target is named in the main menu's caption and in reports.
std::string TargetCaption(const Target& target);

enum class TargetChoice { Chosen, UnknownAccount, NotOnThisWindows, NotOfThisComputer };

// Makes the target the one every screen, import and undo work on; nothing
// changes when it cannot be chosen. A Home edition is warned of once.
TargetChoice ChooseTarget(Context& context, TargetKind kind, const std::string& account = {});

// The menus start with the target chosen there last (kept with the account
// running the program); the command line never uses it.
void RememberTarget(Context& context);
void ChooseRememberedTarget(Context& context);

// Whether the named local account may elevate (is an administrator).
bool IsAdministrator(Context& context, const std::string& account);

// Whether what the user asked can only be done in the target account's own
// profile (its own identity, its own files): with a policy object as the
// target the user is told why nothing was changed, and true is returned.
bool OnlyInTheAccountItself(Context& context, const std::string& reason);

// Whether the program runs as one of Windows' own service accounts (SYSTEM,
// LocalService, NetworkService), whose settings restrict nobody.
bool RunsAsService(Context& context);

}  // namespace core
