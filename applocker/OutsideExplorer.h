#pragma once
// The allow-list's option "Valer também fora do Explorer" for the chosen
// target: Windows itself refuses, whatever starts them, the programs that
// lie outside the Windows folder and the program folders (the computer's
// own policy object, see ComputerObject.h), and Task Manager and the command
// prompt are off for the target's accounts.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "applocker/ComputerObject.h"
#include "core/Context.h"

namespace applocker {

// The target's own switches, per account like the other policies.
inline constexpr std::string_view kTaskManagerKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr std::string_view kTaskManager = "DisableTaskMgr";
inline constexpr std::string_view kCommandPromptKey =
    "Software\\Policies\\Microsoft\\Windows\\System";
inline constexpr std::string_view kCommandPrompt = "DisableCMD";
// 2: the prompt is off, batch files (logon scripts among them) still run.
inline constexpr int kPromptOffScriptsRun = 2;
// The service that enforces the rules.
inline constexpr std::string_view kIdentityService = "AppIDSvc";

// Whether this Windows enforces the rules in its edition.
bool Enforces(const platform::WindowsVersion& windows);

// Why the option cannot be put in force for the chosen target (an
// administrator, or a program outside the program folders); nothing when it
// can.
std::optional<std::string> Refusal(core::Context& context);

// Whether the computer's object holds the program's rules for the target.
bool InForce(core::Context& context);

// Task Manager and the command prompt off, or back as they were before the
// option set them (as `stored` holds them, when the writes go elsewhere).
bool SetAccountSwitches(RegistryAccess& registry, bool on, RegistryAccess* stored = nullptr);

// What putting the option in force (or taking it away) changes in the
// computer's object.
struct ComputerPlan {
    std::string folder;     // the object's folder
    bool readable = true;   // false: its file is not a registry policy file
    Entries before, after;  // the file's entries
    bool Changes() const { return readable && before != after; }
};
ComputerPlan PlanRules(core::Context& context, bool on, const std::vector<std::string>& listed);

// Writes the plan's file and raises the computer half of the object's
// version; false when either could not be written.
bool WriteRules(core::Context& context, const ComputerPlan& plan);
// Puts the program's own rules of a backup back into the object.
bool PutOwnPartBack(core::Context& context, const Entries& part);
// Takes every rule of the program away, whatever target it was for:
// nothing when there was none, else whether it was written.
std::optional<bool> RemoveAllRules(platform::Files& files, platform::Accounts& accounts);

// The service set to start with Windows and started, the computer's policy
// applied now; every failure said in a message (`title`) and false.
bool StartEnforcing(core::Context& context, const std::string& title, bool rulesInForce);

// The whole option as "Bloquear" and "Desbloquear" set it, every message
// through the context's dialogs; true when all of it was done.
bool SetOption(core::Context& context, bool on, const std::vector<std::string>& listed,
               const std::string& title);

// Messages of the option.
std::string NotOnThisWindows();
std::string NotAPolicyFile(const std::string& folder);
std::string NotWritten(const std::string& folder);

}  // namespace applocker
