#pragma once
// The program's own settings and the other values of the CurrentVersion key.
#include <string_view>

namespace core {

inline constexpr std::string_view kCurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr std::string_view kLockCode = "SYSNOT";        // HKEY_LOCAL_MACHINE, plain text
inline constexpr std::string_view kAutoEntry = "SYSNOT2";      // HKEY_LOCAL_MACHINE, "1" = on
inline constexpr std::string_view kStartUpMode = "Tb";         // HKEY_CURRENT_USER, "0" = normal
inline constexpr std::string_view kSystemRoot = "SystemRoot";  // HKEY_LOCAL_MACHINE

inline constexpr std::string_view kSupportEmail = "suporte@quarvel.com.br";
inline constexpr std::string_view kWebAddress = "www.quarvel.com.br";
inline constexpr std::string_view kVersion = "2.0";

}  // namespace core
