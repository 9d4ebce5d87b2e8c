#include "undo/Backup.h"

#include <algorithm>
#include <cstdio>

#include "applocker/OutsideExplorer.h"
#include "changes/ImportedValues.h"
#include "changes/ValueReport.h"
#include "core/FolderPath.h"
#include "core/Settings.h"
#include "grouppolicy/PolicyObject.h"
#include "restrictions/BlockList.h"

namespace undo {

using namespace changes;
using core::InFolder;

namespace {

using platform::style::Critical;
using platform::style::Information;

constexpr std::string_view kExtension = ".copia";
constexpr std::size_t kDigits = 10;

std::string NameOf(unsigned long long number) {
    char name[32];
    std::snprintf(name, sizeof name, "%010llu", number);
    return name + std::string(kExtension);
}

// The backups' numbers, oldest first; only names the program gives count.
std::vector<unsigned long long> Numbers(platform::Files& files) {
    std::vector<unsigned long long> numbers;
    for (const std::string& name : files.FileNames(BackupFolder(files))) {
        if (name.size() != kDigits + kExtension.size() || !name.ends_with(kExtension) ||
            !std::all_of(name.begin(), name.begin() + kDigits,
                         [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        numbers.push_back(std::stoull(name.substr(0, kDigits)));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

struct Found {
    enum class Kind { None, Untrusted, Damaged, Whole } kind = Kind::None;
    std::string path;  // Untrusted: what others may change; Whole: the backup
    BackupContents contents;
    std::vector<std::string> skipped;  // damaged, newer than the one found
};

// The newest whole backup, past damaged ones; nothing is read from a folder
// or a file that anyone but Administrators and SYSTEM may change.
Found FindNewest(platform::Files& files) {
    Found found;
    std::string folder = BackupFolder(files);
    std::vector<unsigned long long> numbers = Numbers(files);
    if (numbers.empty()) return found;
    if (!files.IsPrivate(folder)) return {Found::Kind::Untrusted, folder, {}, {}};
    for (auto n = numbers.rbegin(); n != numbers.rend(); ++n) {
        std::string path = InFolder(folder, NameOf(*n));
        if (!files.IsPrivate(path)) return {Found::Kind::Untrusted, path, {}, found.skipped};
        auto bytes = files.ReadBytes(path);
        auto contents = bytes ? ParseBackup(*bytes) : std::nullopt;
        if (!contents) {
            found.skipped.push_back(path);
            continue;
        }
        found.kind = Found::Kind::Whole;
        found.path = path;
        found.contents = std::move(*contents);
        return found;
    }
    found.kind = Found::Kind::Damaged;
    return found;
}

// A policy object's folder: System32\GroupPolicyUsers\ and a SID.
bool IsPolicyObject(core::Context& context, const std::string& folder) {
    std::string parent = grouppolicy::ObjectFolder(context.accounts.System32(), "");
    if (!folder.starts_with(parent) || !folder.substr(parent.size()).starts_with("S-1-"))
        return false;
    return std::all_of(folder.begin() + parent.size() + 2, folder.end(),
                       [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
}

struct Restored {
    std::vector<std::string> ignored, failed;
    bool computer = false;  // the computer's object was written
};

void RestoreValues(core::Context& context, const BackupContents& contents, Restored& restored) {
    const ImportedValues& importable = ImportableValues();
    RegistryAccess& registry = context.registry;
    for (const ValueState& value : contents.values) {
        std::string path = ValuePath(value.hive, value.key, value.name);
        if (!importable.HoldsValue(value.hive, value.key, value.name)) {
            restored.ignored.push_back(path);
            continue;
        }
        RegistryStatus status = registry.Restore(value.hive, value.key, value.name, value.stored);
        // The import took the key away (the open-with verb): it comes back first.
        if (status == 2 && value.stored && registry.CreateKey(value.hive, value.key) == 0)
            status = registry.Restore(value.hive, value.key, value.name, value.stored);
        if (status != 0) restored.failed.push_back(path + WhyNotWritten(status));
    }
    std::vector<KeyState> keys = contents.absentKeys;
    // A key goes only once its subkeys are gone.
    std::sort(keys.begin(), keys.end(),
              [](const KeyState& a, const KeyState& b) { return a.key.size() > b.key.size(); });
    for (const KeyState& key : keys) {
        std::string path = KeyPath(key.hive, key.key);
        if (!importable.HoldsKey(key.hive, key.key)) {
            restored.ignored.push_back(path);
            continue;
        }
        RegistryStatus status = registry.DeleteKey(key.hive, key.key);
        if (status != 0 && status != 2) restored.failed.push_back(path + WhyNotWritten(status));
    }
}

void RestoreFiles(core::Context& context, const BackupContents& contents, Restored& restored) {
    platform::Files& files = context.files;
    if (const auto& list = contents.blockList) {
        std::string path = restrictions::block_list::FilePath(context.values.baseFolder);
        if (list->path != path)
            restored.ignored.push_back(list->path);
        else if (list->bytes ? !files.WriteBytes(path, *list->bytes)
                             : files.Exists(path) && !files.Delete(path))
            restored.failed.push_back(path);
    }
    if (const auto& object = contents.policyObject) {
        std::string file = grouppolicy::UserPolicyFile(object->path);
        if (!IsPolicyObject(context, object->path))
            restored.ignored.push_back(file);
        else if (!context.target.PutFileBytes(object->bytes))
            restored.failed.push_back(file);
    }
    // Only the program's own rules go back; whatever else the computer's
    // object holds now stays.
    if (const auto& rules = contents.computerRules) {
        std::string folder = grouppolicy::MachineObjectFolder(context.accounts.System32());
        std::string file = grouppolicy::MachinePolicyFile(rules->path);
        auto part = grouppolicy::ParsePolicyFile(rules->bytes.value_or(std::string()));
        if (!SameName(rules->path, folder) || !part)
            restored.ignored.push_back(file);
        else if (!applocker::PutOwnPartBack(context, *part))
            restored.failed.push_back(file);
        else
            restored.computer = true;
    }
}

}  // namespace

std::string BackupFolder(platform::Files& files) {
    return InFolder(InFolder(files.CommonAppDataFolder(), "Quarvel"), "Copias");
}

bool SaveBackup(platform::Files& files, const BackupContents& contents) {
    const std::string folder = BackupFolder(files);
    if (files.CommonAppDataFolder().empty() || !files.CreatePrivateFolder(folder)) return false;
    std::vector<unsigned long long> numbers = Numbers(files);
    unsigned long long next = numbers.empty() ? 1 : numbers.back() + 1;
    if (!files.WriteBytes(InFolder(folder, NameOf(next)), BackupText(contents))) return false;
    for (std::size_t i = 0; i + kBackupsKept < numbers.size() + 1; ++i)
        files.Delete(InFolder(folder, NameOf(numbers[i])));
    return true;
}

std::optional<std::string> LockCodeBeforeImport(core::Context& context) {
    Found found = FindNewest(context.files);
    if (found.kind != Found::Kind::Whole) return std::nullopt;
    for (const ValueState& value : found.contents.values) {
        if (value.hive != Hive::LocalMachine || !SameName(value.key, core::kCurrentVersion) ||
            !SameName(value.name, core::kLockCode))
            continue;
        if (!value.stored) return std::string();
        std::string ansi(value.stored->data.begin(), value.stored->data.end());
        return context.registry.codec().FromAnsi(ansi.substr(0, ansi.find('\0')));
    }
    return std::nullopt;
}

ImportStatus UndoLastImport(core::Context& context) {
    const std::string title(kImportTitle);
    platform::Dialogs& dialogs = context.dialogs;
    Found found = FindNewest(context.files);
    if (found.kind == Found::Kind::None) {
        dialogs.ShowMessage("Não há importação para desfazer.", title, Information);
        return ImportStatus::NothingToUndo;
    }
    if (found.kind == Found::Kind::Untrusted) {
        dialogs.ShowMessage(
            "A pasta das cópias de segurança, " + BackupFolder(context.files) +
                ", tem o que outros usuários além dos Administradores podem mudar (" + found.path +
                "): nada foi desfeito. Confira a pasta e apague o que não foi o Quarvel que "
                "gravou.",
            title, Critical);
        return ImportStatus::Refused;
    }
    for (const std::string& skipped : found.skipped)
        dialogs.ShowMessage("A cópia de segurança " + skipped +
                                " está danificada e foi pulada: vale a cópia anterior a ela.",
                            title, Critical);
    if (found.kind == Found::Kind::Damaged) {
        dialogs.ShowMessage("Nenhuma cópia de segurança em " + BackupFolder(context.files) +
                                " está inteira: nada foi desfeito.",
                            title, Critical);
        return ImportStatus::Refused;
    }
    // Back where the import went: its policy object, or this account.
    const std::string chosen = context.target.object();
    const auto& object = found.contents.policyObject;
    context.target.UseObject(object && IsPolicyObject(context, object->path) ? object->path : "");
    Restored restored;
    RestoreValues(context, found.contents, restored);
    RestoreFiles(context, found.contents, restored);
    // Windows applies the object's file again only when its version grows.
    if (!context.target.Commit())
        restored.failed.push_back(grouppolicy::GptIniFile(context.target.object()));
    context.target.UseObject(chosen);
    if (restored.computer) applocker::StartEnforcing(context, title, false);

    if (!restored.ignored.empty())
        dialogs.ShowMessage(
            "A cópia de segurança " + found.path +
                " nomeia o que uma importação não muda; foi ignorado:" + Listed(restored.ignored),
            title, Critical);
    if (!restored.failed.empty())
        dialogs.ShowMessage(
            "A última importação foi desfeita só em parte; não foi possível "
            "restaurar:" +
                Listed(restored.failed) + "\r\nA cópia " + found.path +
                " foi mantida para outra tentativa.",
            title, Critical);
    if (!restored.ignored.empty() || !restored.failed.empty()) return ImportStatus::Partial;
    context.files.Delete(found.path);
    dialogs.ShowMessage(
        "A última importação foi desfeita: as configurações anteriores foram restauradas.", title,
        Information);
    return ImportStatus::Done;
}

}  // namespace undo
