#pragma once
// Windows' local Group Policy objects per group and per account (Vista and
// newer): System32\GroupPolicyUsers\<SID>, each with gpt.ini and
// User\Registry.pol, applied at every logon of the accounts concerned.
#include <string>
#include <string_view>

namespace grouppolicy {

// The local group Users: every account that is not an administrator.
inline constexpr std::string_view kNonAdministrators = "S-1-5-32-545";

// Windows' allow-list: the programs RestrictRun lets run. An object holds
// the whole list, never a part to add to what another object allowed.
inline constexpr std::string_view kAllowListKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun";

inline std::string ObjectFolder(std::string_view system32, std::string_view sid) {
    return std::string(system32) + "\\GroupPolicyUsers\\" + std::string(sid);
}
inline std::string UserPolicyFile(std::string_view folder) {
    return std::string(folder) + "\\User\\Registry.pol";
}
// The computer's own local object, applied at every start of Windows and at
// every refresh of its policy, for every account.
inline std::string MachineObjectFolder(std::string_view system32) {
    return std::string(system32) + "\\GroupPolicy";
}
inline std::string MachinePolicyFile(std::string_view folder) {
    return std::string(folder) + "\\Machine\\Registry.pol";
}
inline std::string GptIniFile(std::string_view folder) {
    return std::string(folder) + "\\gpt.ini";
}

}  // namespace grouppolicy
