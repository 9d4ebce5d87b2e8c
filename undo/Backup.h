#pragma once
// Every import that changes something first keeps what it is about to
// change (undo/BackupFile.h), one file per import, numbered by a
// sequence that only grows, in a folder only Administrators and SYSTEM may
// change: the backups hold the lock code, and undo, run elevated, writes
// what they say. Undo puts back the newest and removes it (or, when it
// cannot be removed, marks it undone), so that repeated undo walks back
// through earlier imports.
#include <optional>
#include <string>

#include "changes/ImportStatus.h"
#include "core/Context.h"
#include "undo/BackupFile.h"

namespace undo {

inline constexpr std::size_t kBackupsKept = 20;

// Quarvel\Copias in the folder Windows keeps for all users' application data.
std::string BackupFolder(platform::Files& files);
// Where the backups go while that one cannot be trusted: Quarvel\Copias in
// the local application data of SYSTEM's own profile, which only SYSTEM and
// Administrators may open at all.
std::string PrivateBackupFolder(core::Context& context);

struct SavedBackup {
    std::string path;
    std::string untrusted;  // why the usual folder was not used; "" when it was
};

// Stores the backup as the newest in a folder that can be trusted and keeps
// the newest kBackupsKept; nothing (nothing left half-written) when it could
// not be stored.
std::optional<SavedBackup> SaveBackup(core::Context& context, const BackupContents& contents);
// Takes away a backup of an import that wrote nothing after all.
void DropBackup(platform::Files& files, const std::string& path);

// The lock code as it was before the import undo would take back, when that
// import changed it ("" for none); nothing when it did not, or when there is
// no trusted, whole backup.
std::optional<std::string> LockCodeBeforeImport(core::Context& context);

// Puts back the newest whole backup, wherever its import went, whatever
// target is chosen now; every message goes through the context's dialogs.
changes::ImportStatus UndoLastImport(core::Context& context);

}  // namespace undo
