#pragma once
// One backup taken before an import: the state, as it was, of everything the
// import was about to change. Each value by its type and bytes, or absent;
// keys that were not there; the block-list file's bytes, or absent; and for
// an import into a policy object, each value it changed there as the
// object's file held it (the file's entries of that value, or none), so that
// undo puts back only those; and whose profile an import into "this account"
// went to; and the program's own rules the computer's object held. Older
// backups kept a policy object's whole file instead: they are still read.
// Written as plain ASCII lines, whatever the code page, ending with a line
// that counts the others, so that a file cut short or pieced together is
// known as damaged.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "changes/ValueStates.h"

namespace undo {

// One value of a policy object's file as it was: the file's entries of it
// (the value itself, a "**del." marker for it), none when it had none.
struct PolicyValueState {
    std::string file;       // the object's User\Registry.pol (or Machine\Registry.pol)
    std::string key, name;  // UTF-8, as the registry names them
    struct Entry {
        std::string name;  // the entry's own name: the value's, or "**del." and it
        std::uint32_t type = 0;
        std::string data;
        bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> entries;
    bool operator==(const PolicyValueState&) const = default;
};

struct BackupContents {
    std::string account;  // the SID whose HKEY_CURRENT_USER the import changed; "" for none
    std::vector<PolicyValueState> policyValues;
    std::vector<changes::ValueState> values;
    std::vector<changes::KeyState> absentKeys;
    std::optional<changes::FileState> blockList;
    std::optional<changes::FileState> policyObject;  // older backups: the whole file
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
