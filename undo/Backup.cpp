#include "undo/Backup.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "applocker/OutsideExplorer.h"
#include "changes/ImportedValues.h"
#include "changes/ValueReport.h"
#include "core/AccessTrust.h"
#include "core/FolderPath.h"
#include "core/Settings.h"
#include "grouppolicy/PolicyObject.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "undo/ImportReach.h"
#include "undo/PolicyValues.h"

namespace undo {

using namespace changes;
using core::InFolder;

namespace {

using platform::style::Critical;
using platform::style::Information;

constexpr std::string_view kExtension = ".copia";
// Beside a backup that was undone but could not be removed: it counts as
// gone, so that no later undo puts it back again.
constexpr std::string_view kUndoneExtension = ".desfeita";
constexpr std::size_t kDigits = 10;

std::string NameOf(unsigned long long number, std::string_view extension = kExtension) {
    char name[32];
    std::snprintf(name, sizeof name, "%010llu", number);
    return name + std::string(extension);
}

// The numbers of the folder's files of that extension, oldest first; only
// names the program gives count.
std::vector<unsigned long long> Numbers(platform::Files& files, const std::string& folder,
                                        std::string_view extension = kExtension) {
    std::vector<unsigned long long> numbers;
    for (const std::string& name : files.FileNames(folder)) {
        if (name.size() != kDigits + extension.size() || !name.ends_with(extension) ||
            !std::all_of(name.begin(), name.begin() + kDigits,
                         [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        numbers.push_back(std::stoull(name.substr(0, kDigits)));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

struct Place {
    std::string folder;
    std::string why;  // why it cannot be trusted; "" when it can
};

// The folders that hold backups, each judged; neither is made here.
std::vector<Place> Places(core::Context& context) {
    std::vector<Place> places;
    for (const std::string& folder : {BackupFolder(context.files), PrivateBackupFolder(context)})
        if (!core::ParentOf(folder).empty() && context.files.Exists(folder))
            places.push_back({folder, core::FolderDistrust(context.files, folder)});
    return places;
}

// Makes the folder and the one above it, each private, when they are not
// there; why it cannot be used, "" when it can.
std::string Prepared(platform::Files& files, const std::string& folder) {
    std::string parent = core::ParentOf(folder);
    if (parent.empty() || !files.CreatePrivateFolder(parent) || !files.CreatePrivateFolder(folder))
        return folder + " não pôde ser criada";
    return core::FolderDistrust(files, folder);
}

struct Found {
    enum class Kind { None, Untrusted, Damaged, Whole } kind = Kind::None;
    std::string path;  // Untrusted: the backup others may change; Whole: the backup
    std::string why;   // Untrusted: why
    BackupContents contents;
    std::vector<std::string> skipped;    // damaged, newer than the one found
    std::vector<Place> untrustedPlaces;  // holding backups, none of them used
};

// The newest whole backup of the folders that can be trusted, past damaged
// ones and those already undone; each is judged and read through one handle.
Found FindNewest(core::Context& context) {
    platform::Files& files = context.files;
    Found found;
    std::vector<std::pair<unsigned long long, std::string>> backups;
    for (const Place& place : Places(context)) {
        std::vector<unsigned long long> numbers = Numbers(files, place.folder);
        if (!place.why.empty()) {
            if (!numbers.empty()) found.untrustedPlaces.push_back(place);
            continue;
        }
        std::vector<unsigned long long> undone = Numbers(files, place.folder, kUndoneExtension);
        for (unsigned long long n : numbers)
            if (!std::binary_search(undone.begin(), undone.end(), n))
                backups.push_back({n, InFolder(place.folder, NameOf(n))});
    }
    std::sort(backups.rbegin(), backups.rend());
    const std::string elevated = files.ElevatedAccount();
    for (const auto& backup : backups) {
        const std::string& path = backup.second;  // a lambda cannot take a structured binding
        std::string why;
        auto bytes = files.ReadBytesIf(path, [&](const platform::AccessList& access) {
            why = core::Distrust(path, access, elevated);
            return why.empty();
        });
        if (!why.empty()) {
            found.kind = Found::Kind::Untrusted;
            found.path = path;
            found.why = why;
            return found;
        }
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
    if (!backups.empty()) found.kind = Found::Kind::Damaged;
    return found;
}

struct Restored {
    std::vector<std::string> ignored, failed;
    bool computer = false;    // the computer's object was written
    std::size_t putBack = 0;  // what differed from the state before and was put back
};

void RestoreValues(core::Context& context, const BackupContents& contents, Restored& restored) {
    const ImportedValues& importable = ImportableValues();
    RegistryAccess& registry = context.registry;
    for (const ValueState& value : contents.values) {
        std::string path = ValuePath(value.hive, value.key, value.name);
        if (!importable.HoldsValue(value.hive, value.key, value.name) ||
            (value.stored && !LogonEntryAllowed(context, value.name, *value.stored, false))) {
            restored.ignored.push_back(path);
            continue;
        }
        if (registry.Snapshot(value.hive, value.key, value.name) == value.stored) continue;
        RegistryStatus status = registry.Restore(value.hive, value.key, value.name, value.stored);
        // The import took the key away (the open-with verb): it comes back first.
        if (status == 2 && value.stored && registry.CreateKey(value.hive, value.key) == 0)
            status = registry.Restore(value.hive, value.key, value.name, value.stored);
        if (status != 0)
            restored.failed.push_back(path + WhyNotWritten(status));
        else
            ++restored.putBack;
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
        if (status == 0) ++restored.putBack;
        if (status != 0 && status != 2) restored.failed.push_back(path + WhyNotWritten(status));
    }
}

// Puts the file back through the target when it is an account object's, so
// that the object's version is raised and Windows applies it again.
bool PutPolicyFile(core::Context& context, const std::string& file, const std::string& bytes) {
    std::string machine = grouppolicy::MachinePolicyFile(
        grouppolicy::MachineObjectFolder(context.accounts.System32()));
    if (file == machine) return context.files.WriteBytes(file, bytes);
    constexpr std::size_t kUserFile = std::string_view("\\User\\Registry.pol").size();
    context.target.UseObject(file.substr(0, file.size() - kUserFile));
    bool done = context.target.PutFileBytes(bytes);
    return context.target.Commit() && done;
}

void RestorePolicyValues(core::Context& context, const BackupContents& contents,
                         Restored& restored) {
    std::map<std::string, std::vector<const PolicyValueState*>> byFile;
    for (const PolicyValueState& state : contents.policyValues) {
        std::string path = state.file + "\\" + state.key + "\\" + state.name;
        auto file = ReachablePolicyFile(context, state.file);
        bool machine = file && file->ends_with("\\Machine\\Registry.pol");
        bool marker = SameName(state.name, kEmptiesKey) &&
                      SameName(state.key, restrictions::allow_list::kListKey);
        bool allowed = file && (marker || ImportableValues().HoldsValue(
                                              machine ? Hive::LocalMachine : Hive::CurrentUser,
                                              state.key, state.name));
        for (const PolicyValueState::Entry& entry : state.entries)
            if (!entry.name.starts_with("**"))
                allowed = allowed &&
                          LogonEntryAllowed(context, entry.name,
                                            {entry.type, std::vector<std::uint8_t>(
                                                             entry.data.begin(), entry.data.end())},
                                            true);
        if (allowed)
            byFile[*file].push_back(&state);
        else
            restored.ignored.push_back(path);
    }
    for (const auto& [file, states] : byFile) {
        std::optional<std::string> now = context.files.ReadBytes(file);
        auto bytes = WithValuesRestored(now, states);
        if (!bytes) {
            restored.failed.push_back(file + " (não é um Registry.pol válido)");
            continue;
        }
        auto entries = grouppolicy::ParsePolicyFile(now.value_or(""));
        std::size_t differ = 0;
        for (const PolicyValueState* state : states)
            differ += EntriesOf(*entries, state->key, state->name) != state->entries;
        if (differ == 0) continue;
        if (PutPolicyFile(context, file, *bytes))
            restored.putBack += differ;
        else
            restored.failed.push_back(file);
    }
}

void RestoreFiles(core::Context& context, const BackupContents& contents, Restored& restored) {
    platform::Files& files = context.files;
    if (const auto& list = contents.blockList) {
        std::string path = restrictions::block_list::FilePath(context.values.baseFolder);
        if (list->path != path) {
            restored.ignored.push_back(list->path);
        } else if (files.ReadBytes(path) != list->bytes) {
            if (list->bytes ? !files.WriteBytes(path, *list->bytes)
                            : files.Exists(path) && !files.Delete(path))
                restored.failed.push_back(path);
            else
                ++restored.putBack;
        }
    }
    // Backups of earlier versions keep the object's whole file: it goes back whole.
    if (const auto& object = contents.policyObject) {
        auto folder = ReachableObject(context, object->path);
        std::string machine = grouppolicy::MachineObjectFolder(context.accounts.System32());
        if (!folder || *folder == machine) {
            restored.ignored.push_back(grouppolicy::UserPolicyFile(object->path));
            return;
        }
        context.target.UseObject(*folder);
        if (context.target.FileBytes() == object->bytes) return;
        bool done = context.target.PutFileBytes(object->bytes);
        if (!context.target.Commit() || !done)
            restored.failed.push_back(grouppolicy::UserPolicyFile(*folder));
        else
            ++restored.putBack;
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
            restored.computer = true, ++restored.putBack;
    }
}

std::string AccountName(core::Context& context, const std::string& sid) {
    for (const platform::Account& account : context.accounts.Local())
        if (account.sid == sid) return account.name + " (" + sid + ")";
    platform::Account running = context.accounts.Running();
    if (running.sid == sid) return running.name + " (" + sid + ")";
    return sid;
}

}  // namespace

std::string BackupFolder(platform::Files& files) {
    return InFolder(InFolder(files.CommonAppDataFolder(), "Quarvel"), "Copias");
}

std::string PrivateBackupFolder(core::Context& context) {
    std::string folder = context.accounts.System32();
    for (const char* name : {"config", "systemprofile", "AppData", "Local", "Quarvel", "Copias"})
        folder = InFolder(folder, name);
    return folder;
}

std::optional<SavedBackup> SaveBackup(core::Context& context, const BackupContents& contents) {
    platform::Files& files = context.files;
    SavedBackup saved;
    std::string folder = BackupFolder(files);
    saved.untrusted = files.CommonAppDataFolder().empty() ? folder + " não existe neste Windows"
                                                          : Prepared(files, folder);
    if (!saved.untrusted.empty()) {
        folder = PrivateBackupFolder(context);
        // SYSTEM's profile is there on every Windows; its own folders are not always.
        files.CreateFolder(core::ParentOf(core::ParentOf(folder)));
        if (!Prepared(files, folder).empty()) return std::nullopt;
    }
    unsigned long long next = 1;
    for (const Place& place : Places(context))
        if (place.why.empty())
            for (std::string_view extension : {kExtension, kUndoneExtension})
                for (unsigned long long n : Numbers(files, place.folder, extension))
                    next = std::max(next, n + 1);
    saved.path = InFolder(folder, NameOf(next));
    if (!files.WriteBytes(saved.path, BackupText(contents))) return std::nullopt;
    std::vector<unsigned long long> numbers = Numbers(files, folder);
    for (std::size_t i = 0; i + kBackupsKept < numbers.size(); ++i) {
        files.Delete(InFolder(folder, NameOf(numbers[i])));
        files.Delete(InFolder(folder, NameOf(numbers[i], kUndoneExtension)));
    }
    return saved;
}

void DropBackup(platform::Files& files, const std::string& path) {
    files.Delete(path);
}

std::optional<std::string> LockCodeBeforeImport(core::Context& context) {
    Found found = FindNewest(context);
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
    Found found = FindNewest(context);
    for (const Place& place : found.untrustedPlaces)
        dialogs.ShowMessage("A pasta das cópias de segurança " + place.folder + " não é segura (" +
                                place.why +
                                "): nenhuma cópia dela foi usada. Apague essa pasta; o Quarvel a "
                                "cria de novo só para os Administradores.",
                            title, Critical);
    if (found.kind == Found::Kind::None) {
        if (!found.untrustedPlaces.empty()) return ImportStatus::Refused;
        dialogs.ShowMessage("Não há importação para desfazer.", title, Information);
        return ImportStatus::NothingToUndo;
    }
    if (found.kind == Found::Kind::Untrusted) {
        dialogs.ShowMessage("A cópia de segurança " + found.path + " não é segura (" + found.why +
                                "): nada foi desfeito. Confira a pasta " +
                                core::ParentOf(found.path) +
                                " e apague o que não foi o Quarvel que gravou.",
                            title, Critical);
        return ImportStatus::Refused;
    }
    for (const std::string& skipped : found.skipped)
        dialogs.ShowMessage("A cópia de segurança " + skipped +
                                " está danificada e foi pulada: vale a cópia anterior a ela.",
                            title, Critical);
    if (found.kind == Found::Kind::Damaged) {
        dialogs.ShowMessage("Nenhuma cópia de segurança está inteira: nada foi desfeito.", title,
                            Critical);
        return ImportStatus::Refused;
    }
    const BackupContents& contents = found.contents;
    const std::string running = context.accounts.Running().sid;
    if (!contents.account.empty() && contents.account != running) {
        dialogs.ShowMessage(
            "A última importação foi feita nas configurações da conta " +
                AccountName(context, contents.account) + ", e o Quarvel roda agora na conta " +
                AccountName(context, running) +
                ": nada foi desfeito. Entre naquela conta e desfaça a importação por ela.",
            title, Critical);
        return ImportStatus::Refused;
    }
    // Back where the import went: its policy objects, or this account.
    const std::string chosen = context.target.object();
    context.target.UseObject("");
    Restored restored;
    RestoreValues(context, contents, restored);
    RestorePolicyValues(context, contents, restored);
    RestoreFiles(context, contents, restored);
    context.target.UseObject(chosen);
    // The rules put back hold only once Windows applies them: said, and done in part.
    bool applied = !restored.computer || applocker::StartEnforcing(context, title, false);

    if (!restored.failed.empty()) {
        dialogs.ShowMessage(
            "A última importação foi desfeita só em parte; não foi possível restaurar:" +
                Listed(restored.failed) + "\r\nA cópia " + found.path +
                " foi mantida: um novo Desfazer tenta de novo. Para voltar a importações "
                "anteriores, resolva o que impediu a restauração ou apague essa cópia.",
            title, Critical);
        return ImportStatus::Partial;
    }
    // Undone: it goes, or, when it cannot, is marked so that no later undo
    // puts it back again over what changed since.
    std::string marker =
        found.path.substr(0, found.path.size() - kExtension.size()) + std::string(kUndoneExtension);
    bool gone = context.files.Delete(found.path);
    if (gone)
        context.files.Delete(marker);
    else
        gone = context.files.WriteBytes(marker, "Desfeita\r\n");
    std::string after;
    if (!gone)
        after = " A cópia " + found.path +
                " não pôde ser apagada nem marcada como desfeita: apague-a antes de desfazer de "
                "novo, ou o próximo Desfazer a aplicará outra vez em vez de voltar à importação "
                "anterior.";
    if (!restored.ignored.empty()) {
        dialogs.ShowMessage(
            "A cópia de segurança " + found.path +
                " nomeia o que uma importação não muda; isto não foi restaurado:" +
                Listed(restored.ignored) + "\r\n" +
                (restored.putBack ? "O resto foi restaurado (" + std::to_string(restored.putBack) +
                                        (restored.putBack == 1 ? " item)." : " itens).")
                                  : std::string("Nada mais havia a restaurar.")) +
                (gone ? " A cópia foi dada como desfeita: um novo Desfazer volta à importação "
                        "anterior."
                      : after),
            title, Critical);
        return ImportStatus::Partial;
    }
    if (!gone) {
        dialogs.ShowMessage("A última importação foi desfeita." + after, title, Critical);
        return ImportStatus::Partial;
    }
    if (restored.putBack == 0) {
        dialogs.ShowMessage(
            "Nada foi restaurado: o que a última importação mudou já estava como antes dela. A "
            "cópia dessa importação foi apagada; um novo Desfazer volta à importação anterior.",
            title, Information);
        return ImportStatus::NothingPutBack;
    }
    dialogs.ShowMessage(
        "A última importação foi desfeita: as configurações anteriores foram restauradas.", title,
        Information);
    return applied ? ImportStatus::Done : ImportStatus::Partial;
}

}  // namespace undo
