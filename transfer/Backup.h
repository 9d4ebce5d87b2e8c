#pragma once
// Every import first saves what it can change, so that it can be undone:
// a configuration file of all nine groups (what a full export writes), and
// beside it the facts such a file cannot say. Undo imports the newest
// backup with those facts and removes it, so that repeated undo walks back
// through earlier imports.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Context.h"
#include "transfer/ConfigImport.h"

namespace transfer {

inline constexpr std::size_t kBackupsKept = 20;

struct StoredValue {
    Hive hive;
    std::string key;
    std::string name;
    bool operator==(const StoredValue&) const = default;
};

struct BackupFacts {
    // The number of each allow-list value, in the order of the file's "QV02" records.
    std::vector<int> programNumbers;
    // Values an import writes that were not there at all.
    std::vector<StoredValue> absent;
    // The texts an import writes, as they were: the file's rules cannot say
    // every one of them (an empty start page comes back as "about:blank", a
    // notice title without its text is deleted).
    std::vector<std::pair<StoredValue, std::string>> texts;
    // The numbers an import writes that the file can only say as 0: a policy
    // another tool stored as a mask (NoDrives) or any number but 0 and 1.
    std::vector<std::pair<StoredValue, std::int32_t>> numbers;
    bool noBlockList = false;  // there was no block-list file
};

// Quarvel\Copias in the folder Windows keeps for all users' application data.
std::string BackupFolder(platform::Files& files);

// Saves the state now; false (and nothing left half-written) when it could
// not be stored.
bool SaveBackup(core::Context& context);

// Puts the texts and numbers back, deletes the values that were absent, and
// the block-list file when there was none.
void RestoreFacts(core::Context& context, const BackupFacts& facts);

// Imports the newest backup without taking one, then removes it.
ImportStatus UndoLastImport(core::Context& context);

}  // namespace transfer
