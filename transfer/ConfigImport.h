#pragma once
// The configuration import: reads a configuration file and writes what it
// carries into this computer's registry, allow-list and block list. The
// menus and the command line run this one procedure.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "changes/ImportStatus.h"
#include "changes/RegistryWrites.h"
#include "core/Context.h"
#include "grouppolicy/PolicyFile.h"

namespace transfer {

inline constexpr std::string_view kFloppyFile = "A:\\config.qvc";
// No configuration comes near this; a bigger file was chosen by mistake.
inline constexpr std::uint64_t kLargestConfiguration = 16u << 20;

enum class ImportSource { Floppy, ChosenFile };

struct ImportOptions {
    // Compares first and writes only what changes, after keeping it in a
    // backup. False: every write is done as the file says, compared with
    // nothing (what the Group Policy files record).
    bool takeBackup = true;
    // Given the writes the file asks for, just before the stored state is
    // compared with them (the command line reads their values ahead there).
    std::function<void(const std::vector<changes::RegistryWrite>&)> beforeComparing = nullptr;
    bool blockListFile = true;  // false: the block list is decided, not written
    // Without a backup the computer's own object is never written; given
    // this, the rules the file asks for (those of the non-administrators)
    // are put here.
    std::vector<grouppolicy::PolicyEntry>* computerRules = nullptr;
};

// The whole command of the menus' import entries: the open dialog first for
// a chosen file, then the import, then its messages.
changes::ImportStatus ImportConfiguration(core::Context& context, ImportSource source);

// The import of one file; every message goes through the context's dialogs.
changes::ImportStatus ImportFile(core::Context& context, const std::string& path,
                                 const ImportOptions& options = {});

// The import of a file's text, read whole (`complete`) or up to a read error.
changes::ImportStatus ImportText(core::Context& context, const std::string& text, bool complete,
                                 const ImportOptions& options = {});

}  // namespace transfer
