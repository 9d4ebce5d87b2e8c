#pragma once
// Whether a file or folder can be trusted by an elevated program that acts on
// what it holds: owned by Administrators, SYSTEM or Windows' installer
// service (or by the running administrator himself), no access entry lets
// anyone else delete, rename, write or change the access of it, it is no
// junction or symbolic link, and the handle opened is where the path meant.
#include <optional>
#include <string>

#include "platform/Dialogs.h"
#include "platform/Files.h"

namespace core {

// Why the path cannot be trusted ("C:\Quarvel: S-1-5-11 (Usuários
// autenticados) pode apagar ou renomear"), "" when it can. `elevated` is the
// running administrator's SID, or "".
std::string Distrust(const std::string& path, const std::optional<platform::AccessList>& access,
                     const std::string& elevated);
std::string Distrust(platform::Files& files, const std::string& path);

// The folder and the one that holds it, which could rename it or put
// another in its place.
std::string FolderDistrust(platform::Files& files, const std::string& folder);

// Why a logon entry must not start one of the program's executables
// ("\DErodu.exe"): others may change the program's folder, the folder that
// holds it, or the executable itself; "" when it may.
std::string ProgramDistrust(platform::Files& files, std::string_view executable);
// The same, said in a critical message naming the entry that was not
// written; true when it may be written.
bool MayStartAtLogon(platform::Files& files, platform::Dialogs& dialogs,
                     std::string_view executable, std::string_view entry, const std::string& title);

// At the start of an elevated program: a warning when the program's folder
// is one others may change, so that the administrator knows before he
// tries; nothing when the program runs without elevation.
void WarnOfProgramFolder(platform::Files& files, platform::Dialogs& dialogs);

// The parent folder of a path; "" for none.
std::string ParentOf(const std::string& path);

}  // namespace core
