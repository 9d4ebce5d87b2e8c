#pragma once
// How an import or its undo ended, as the menus and the command line tell it.
#include <string_view>

namespace changes {

inline constexpr std::string_view kImportTitle = "Quarvel²";

enum class ImportStatus {
    Done,
    Unchanged,          // the file says what is stored already: nothing written
    Partial,            // something could not be written; the rest was
    NoFile,             // no file chosen, or it cannot be opened: nothing changed
    NotAConfiguration,  // too large, or no record in it: nothing changed
    NoBackup,           // the state before could not be saved: nothing changed
    NothingToUndo,      // undo: no backup is left
    Refused,            // undo: the backups are not to be trusted, or all damaged
    NothingPutBack,     // undo: what the import changed was as before already
};

}  // namespace changes
