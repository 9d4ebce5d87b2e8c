#pragma once
// One backup taken before an import: the state, as it was, of everything the
// import was about to change. Each value by its type and bytes, or absent;
// keys that were not there; the block-list file's bytes, or absent; and for
// an import into a policy object, which object and its Registry.pol bytes.
// Written as plain ASCII lines, whatever the code page, ending with a line
// that counts the others, so that a file cut short or pieced together is
// known as damaged.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "registry/RegistryAccess.h"

namespace transfer {

struct ValueState {
    Hive hive = Hive::CurrentUser;
    std::string key;                    // UTF-8
    std::string name;                   // UTF-8; empty: the default value
    std::optional<StoredValue> stored;  // nothing: the value was absent
    bool operator==(const ValueState&) const = default;
};

struct KeyState {
    Hive hive = Hive::CurrentUser;
    std::string key;  // a key that was not there
    bool operator==(const KeyState&) const = default;
};

struct FileState {
    std::string path;                  // the file, or the policy object's folder
    std::optional<std::string> bytes;  // nothing: there was no file
    bool operator==(const FileState&) const = default;
};

struct BackupContents {
    std::vector<ValueState> values;
    std::vector<KeyState> absentKeys;
    std::optional<FileState> blockList;
    std::optional<FileState> policyObject;
    bool operator==(const BackupContents&) const = default;
};

std::string BackupText(const BackupContents& contents);

// Nothing when the text is damaged: cut short, a line that is not one of
// the backup's, or two lines that say different things of one value.
std::optional<BackupContents> ParseBackup(std::string_view text);

}  // namespace transfer
