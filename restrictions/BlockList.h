#pragma once
// The block list of folders and windows: the file restt.qvn in the base
// folder, which the companion DErodu.exe reads, and the logon entry that
// starts the companion. The configuration export and import use the same
// file by the same rules.
#include <optional>
#include <string>
#include <string_view>

#include "core/LongValues.h"
#include "core/Target.h"
#include "platform/Files.h"
#include "registry/RegistryAccess.h"

namespace restrictions::block_list {

inline constexpr std::string_view kFileName = "\\restt.qvn";
// The program recognises its own files by this beginning, letter case included.
inline constexpr std::string_view kSignature = "Quarvel by Ostrelvan";

inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kLogonEntry = "TvalueT";
// A policy object's own list of programs run at logon: there the entry starts
// DErodu.exe for the accounts the object restricts only, and goes away with it.
inline constexpr std::string_view kPolicyRunKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Run";
inline constexpr std::string_view kCompanion = "\\DErodu.exe";

// What the screen's box shows of a list: some twenty thousand names, laid
// out in half a second; a longer file is kept whole unless replaced.
inline constexpr core::TextLimit kBoxLimit = {"a lista de pastas/janelas", 512 * 1024};

std::string SignatureLine();
std::string FilePath(const std::string& baseFolder);

// The file's lines joined by CR LF; nothing when it cannot be read.
std::optional<std::string> Read(platform::Files& files, const std::string& path);

// What the file holds for a list as typed: the signature line first unless
// the text already begins with the signature, and a final CR LF.
std::string FileContent(const std::string& text);

// Writes the list through a temporary file; false (the old file intact)
// when it could not be stored.
bool Write(platform::Files& files, const std::string& path, const std::string& text);

// The logon entry's command: the companion's path in quotes, so that Windows
// cannot take "C:\Program.exe" for the start of "C:\Program Files\...".
std::string LogonCommand(const std::string& programFolder);

struct LogonPlace {
    Hive hive;
    std::string_view key;
};
// The computer's Run key for this account's own settings; the policy
// object's run list when the target is one.
LogonPlace LogonPlaceFor(const core::Target& target);

// TvalueT = the quoted command (REG_SZ); the computer's Run key is Windows'
// own and is not created. Both false when the entry is not as asked afterwards.
bool SetLogonEntry(RegistryAccess& registry, platform::Files& files,
                   const core::Target& target = {});
bool RemoveLogonEntry(RegistryAccess& registry, const core::Target& target = {});

}  // namespace restrictions::block_list
