#pragma once
// The registry keys the tests look into, typed once as Windows names them.

namespace testing_support {

inline constexpr char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kExplorer[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr char kSystem[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr char kNetwork[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
inline constexpr char kWinOldApp[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp";
inline constexpr char kAllowList[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun";
inline constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Where the 9x family reads the logon notice, and where the NT family and Wine do.
inline constexpr char kWinlogon[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
inline constexpr char kNtWinlogon[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
inline constexpr char kExplorerAdvanced[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
inline constexpr char kBrowserMain[] = "Software\\Microsoft\\Internet Explorer\\Main";
// Where Windows keeps its own version: a new process of Wine reports what it says.
inline constexpr char kNtCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// The application-control policy (HKEY_LOCAL_MACHINE, in the computer's own
// policy object), and the per-user policy key of the command prompt.
inline constexpr char kSrpV2[] = "Software\\Policies\\Microsoft\\Windows\\SrpV2";
inline constexpr char kPoliciesSystem[] = "Software\\Policies\\Microsoft\\Windows\\System";

}  // namespace testing_support
