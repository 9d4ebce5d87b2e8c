#pragma once
// The configuration import: reads a configuration file and writes what it
// carries into this computer's registry, allow-list and block list.
#include <string>
#include <vector>

#include "core/Context.h"

namespace transfer {

inline constexpr std::string_view kFloppyFile = "A:\\config.qvc";

enum class ImportSource { Floppy, ChosenFile };

// The whole command of the menus' import entries: the open dialog first for
// a chosen file, then the import, then its message.
void ImportConfiguration(core::Context& context, ImportSource source);

// The import of one file; an empty path or a file that cannot be read
// changes nothing but the policy keys.
void ImportFile(core::Context& context, const std::string& path);

// The records of the file's lines, applied in file order, then the
// allow-list and the block list they carried, then the message.
void ImportLines(core::Context& context, const std::vector<std::string>& lines);

}  // namespace transfer
