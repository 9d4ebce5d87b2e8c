#pragma once
// One backup taken before an import: the state, as it was, of everything the
// import was about to change. Each value by its type and bytes, or absent;
// keys that were not there; the block-list file's bytes, or absent; and for
// an import into a policy object, which object and its Registry.pol bytes;
// and the program's own rules the computer's object held.
// Written as plain ASCII lines, whatever the code page, ending with a line
// that counts the others, so that a file cut short or pieced together is
// known as damaged.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "changes/ValueStates.h"

namespace undo {

struct BackupContents {
    std::vector<changes::ValueState> values;
    std::vector<changes::KeyState> absentKeys;
    std::optional<changes::FileState> blockList;
    std::optional<changes::FileState> policyObject;
    // The computer's object (folder) and the program's own rules it held, as
    // a registry policy file.
    std::optional<changes::FileState> computerRules;
    bool operator==(const BackupContents&) const = default;
};

std::string BackupText(const BackupContents& contents);

// Nothing when the text is damaged: cut short, a line that is not one of
// the backup's, or two lines that say different things of one value.
std::optional<BackupContents> ParseBackup(std::string_view text);

}  // namespace undo
