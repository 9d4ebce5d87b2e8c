#pragma once
// Where Windows reads the logon notice from. The 9x family reads it from
// its own Winlogon key; the NT family (XP included) and Wine from the one
// under "Windows NT". The screen, the export and the import all ask here,
// so that a notice goes where the running Windows will show it.
#include <optional>
#include <string_view>

#include "registry/RegistryAccess.h"

namespace personalization {

inline constexpr std::string_view kNtWinlogonKey =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

// The 9x key when it exists, else the NT key when that exists (both in
// HKEY_LOCAL_MACHINE); nothing when neither does and the notice cannot be
// stored at all.
std::optional<std::string_view> LogonNoticeKey(RegistryAccess& registry);

}  // namespace personalization
