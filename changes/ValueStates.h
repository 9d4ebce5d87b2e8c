#pragma once
// The state of what an import changes, as it is now or as it was: each
// value by its type and bytes, or absent; a key that was not there; a file's
// bytes, or no file.
#include <optional>
#include <string>

#include "registry/RegistryAccess.h"

namespace changes {

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

}  // namespace changes
