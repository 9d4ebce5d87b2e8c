#pragma once
// The program's own settings and the other values of the CurrentVersion key.
#include <string>
#include <string_view>
#include <vector>

namespace core {

inline constexpr std::string_view kCurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr std::string_view kLockCode = "SYSNOT";        // HKEY_LOCAL_MACHINE, plain text
inline constexpr std::string_view kAutoEntry = "SYSNOT2";      // HKEY_LOCAL_MACHINE, "1" = on
inline constexpr std::string_view kStartUpMode = "Tb";         // HKEY_CURRENT_USER, "0" = normal
// HKEY_CURRENT_USER, the menus' last target: "comuns", "eu" or an account's name.
inline constexpr std::string_view kRememberedTarget = "Destino";
inline constexpr std::string_view kSystemRoot = "SystemRoot";  // HKEY_LOCAL_MACHINE

// The keys under HKEY_CURRENT_USER that stay with the account running the
// program whatever the target: its own start-up mode.
inline std::vector<std::string> AccountOwnKeys() {
    return {std::string(kCurrentVersion)};
}

inline constexpr std::string_view kSupportEmail = "suporte@quarvel.com.br";
inline constexpr std::string_view kWebAddress = "www.quarvel.com.br";
inline constexpr std::string_view kVersion = "2.0";

}  // namespace core
