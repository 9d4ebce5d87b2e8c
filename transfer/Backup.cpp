#include "transfer/Backup.h"

#include <algorithm>
#include <cstdio>

#include "personalization/LogonNotice.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "transfer/ConfigExport.h"
#include "transfer/ConfigFile.h"
#include "transfer/ConfigRecords.h"
#include "transfer/ConfigValues.h"
#include "transfer/FolderPath.h"

namespace transfer {
namespace {

constexpr std::string_view kBackupExtension = ".qvc";
constexpr std::string_view kFactsExtension = ".estado";
constexpr std::string_view kProgramsLine = "Programas:";
constexpr std::string_view kAbsentLine = "Ausente: ";
constexpr std::string_view kTextLine = "Texto: ";
constexpr std::string_view kNumberLine = "Número: ";
constexpr std::string_view kNoBlockListLine = "Sem lista de pastas/janelas";

constexpr std::array<std::pair<Hive, std::string_view>, 3> kHiveNames = {{
    {Hive::ClassesRoot, "HKEY_CLASSES_ROOT"},
    {Hive::CurrentUser, "HKEY_CURRENT_USER"},
    {Hive::LocalMachine, "HKEY_LOCAL_MACHINE"},
}};

std::string PathOf(const StoredValue& value) {
    for (auto [hive, name] : kHiveNames)
        if (hive == value.hive) return std::string(name) + "\\" + value.key + "\\" + value.name;
    return {};
}

std::optional<StoredValue> ValueAt(std::string_view path) {
    auto first = path.find('\\');
    auto last = path.rfind('\\');
    if (first == std::string_view::npos || first == last) return std::nullopt;
    for (auto [hive, name] : kHiveNames)
        if (path.substr(0, first) == name)
            return StoredValue{hive, std::string(path.substr(first + 1, last - first - 1)),
                               std::string(path.substr(last + 1))};
    return std::nullopt;
}

StoredValue Stored(Hive hive, std::string_view key, std::string_view name) {
    return {hive, std::string(key), std::string(name)};
}

// The numbers an import writes by name: the policies and the allow-list
// switch.
std::vector<StoredValue> NumbersAnImportChanges() {
    std::vector<StoredValue> values;
    for (const restrictions::PolicyEntry* policy : PoliciesInFileOrder())
        values.push_back(Stored(Hive::CurrentUser, policy->key, policy->valueName));
    values.push_back(Stored(Hive::CurrentUser, restrictions::kExplorerPolicyKey,
                            restrictions::allow_list::kSwitch));
    return values;
}

// The texts an import writes or deletes by name; the allow-list's user range
// and the block-list file are kept by their own facts.
std::vector<StoredValue> TextsAnImportChanges(RegistryAccess& registry) {
    std::vector<StoredValue> values;
    for (std::size_t i = 1; i <= restrictions::allow_list::kOwnExecutables.size(); ++i)
        values.push_back(
            Stored(Hive::CurrentUser, restrictions::allow_list::kListKey, std::to_string(i)));
    values.push_back(Stored(Hive::LocalMachine, restrictions::block_list::kRunKey,
                            restrictions::block_list::kLogonEntry));
    for (const auto* setting : {&optimization::kMenuShowDelay, &optimization::kMinAnimate})
        values.push_back(Stored(setting->hive, setting->key, setting->valueName));
    for (const auto& switches : {kBrowserTuningFlags, kBrowserLookFlags})
        for (const auto* entry : switches)
            values.push_back(
                Stored(entry->hive, personalization::kBrowserMainKey, entry->valueName));
    std::vector<TextValue> texts = {kSaveDirectory, kDiskCacheTemplate, kScrollPrograms,
                                    kStartPage,     kWindowTitle,       kLockCodeValue};
    if (auto place = personalization::LogonNoticeKey(registry)) {
        texts.push_back(NoticeCaptionAt(*place));
        texts.push_back(NoticeTextAt(*place));
    }
    for (const TextValue& text : texts) values.push_back(Stored(text.hive, text.key, text.name));
    return values;
}

// A text on one line of the facts file: backslash, CR and LF escaped.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == '\r' || c == '\n') escaped += '\\';
        escaped += c == '\r' ? 'r' : c == '\n' ? 'n' : c;
    }
    return escaped;
}

std::string Unescaped(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            c = text[++i];
            c = c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        }
        plain += c;
    }
    return plain;
}

std::string FactsText(const BackupFacts& facts) {
    std::string text(kProgramsLine);
    for (int number : facts.programNumbers) {
        text += ' ';
        text += std::to_string(number);
    }
    text += "\r\n";
    for (const StoredValue& value : facts.absent)
        text += std::string(kAbsentLine) + PathOf(value) + "\r\n";
    for (const auto& [value, data] : facts.texts)
        text += std::string(kTextLine) + PathOf(value) + "=" + Escaped(data) + "\r\n";
    for (const auto& [value, number] : facts.numbers)
        text += std::string(kNumberLine) + PathOf(value) + "=" + std::to_string(number) + "\r\n";
    if (facts.noBlockList) text += std::string(kNoBlockListLine) + "\r\n";
    return text;
}

// "path=data" of a facts line: value names hold no "=", so what follows the
// first one is the data. No value when the line names none.
std::pair<std::optional<StoredValue>, std::string_view> Assignment(std::string_view line) {
    auto equals = line.find('=');
    if (equals == std::string_view::npos) return {std::nullopt, {}};
    return {ValueAt(line.substr(0, equals)), line.substr(equals + 1)};
}

std::optional<BackupFacts> ReadFacts(platform::Files& files, const std::string& path) {
    auto read = files.ReadText(path);
    if (!read || !read->complete) return std::nullopt;
    BackupFacts facts;
    for (const std::string& line : SplitConfigLines(read->text)) {
        std::string_view rest(line);
        if (rest.starts_with(kProgramsLine)) {
            rest.remove_prefix(kProgramsLine.size());
            int number = 0;
            int used = 0;
            std::string numbers(rest);
            for (const char* at = numbers.c_str(); std::sscanf(at, "%d%n", &number, &used) == 1;
                 at += used)
                facts.programNumbers.push_back(number);
        } else if (rest.starts_with(kAbsentLine)) {
            if (auto value = ValueAt(rest.substr(kAbsentLine.size())))
                facts.absent.push_back(*value);
        } else if (rest.starts_with(kTextLine)) {
            if (auto [value, data] = Assignment(rest.substr(kTextLine.size())); value)
                facts.texts.emplace_back(*value, Unescaped(data));
        } else if (rest.starts_with(kNumberLine)) {
            auto [value, data] = Assignment(rest.substr(kNumberLine.size()));
            if (auto number = ParseSigned32(data); value && number)
                facts.numbers.emplace_back(*value, *number);
        } else if (rest == kNoBlockListLine) {
            facts.noBlockList = true;
        }
    }
    return facts;
}

std::string Stamp(const platform::LocalTime& t, int millisecond) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%03d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, millisecond);
    return name;
}

// The backups, oldest first (their names are their dates).
std::vector<std::string> Backups(platform::Files& files) {
    std::vector<std::string> names;
    for (std::string& name : files.FileNames(BackupFolder(files)))
        if (name.ends_with(kBackupExtension))
            names.push_back(name.substr(0, name.size() - kBackupExtension.size()));
    std::sort(names.begin(), names.end());
    return names;
}

void Remove(platform::Files& files, const std::string& stamp) {
    std::string base = InFolder(BackupFolder(files), stamp);
    files.Delete(base + std::string(kFactsExtension));
    files.Delete(base + std::string(kBackupExtension));
}

}  // namespace

std::string BackupFolder(platform::Files& files) {
    return InFolder(InFolder(files.CommonAppDataFolder(), "Quarvel"), "Copias");
}

bool SaveBackup(core::Context& context) {
    platform::Files& files = context.files;
    const std::string folder = BackupFolder(files);
    if (files.CommonAppDataFolder().empty() || !files.CreateFolder(folder)) return false;

    ConfigText text;
    BackupFacts facts;
    for (const ExportGroupInfo& group : kExportGroups) {
        if (group.group != ExportGroup::AllowList) {
            CollectGroup(group.group, context, text);
            continue;
        }
        for (const ExportedProgram& program : ExportedPrograms(context.registry)) {
            text.Add(key::AllowList, program.name);
            facts.programNumbers.push_back(program.number);
        }
    }
    RegistryAccess& registry = context.registry;
    for (StoredValue& value : NumbersAnImportChanges()) {
        if (!registry.ValueExists(value.hive, value.key, value.name)) {
            facts.absent.push_back(std::move(value));
            continue;
        }
        // Only a number as the registry layer reads a REG_DWORD: another tool's
        // text ("007", " 5") is left to the file, as before.
        std::string text = registry.GetValue(value.hive, value.key, value.name);
        auto number = ParseSigned32(text);
        if (number && *number != 0 && *number != 1 && std::to_string(*number) == text)
            facts.numbers.emplace_back(std::move(value), *number);
    }
    for (StoredValue& value : TextsAnImportChanges(registry)) {
        if (!registry.ValueExists(value.hive, value.key, value.name))
            facts.absent.push_back(std::move(value));
        else
            facts.texts.emplace_back(value, registry.GetValue(value.hive, value.key, value.name));
    }
    facts.noBlockList =
        !files.Exists(restrictions::block_list::FilePath(context.values.baseFolder));

    platform::LocalTime now = files.Now();
    std::string stamp = Stamp(now, now.millisecond);
    for (int bump = 1; bump < 1000 && files.Exists(InFolder(folder, stamp) + ".qvc"); ++bump)
        stamp = Stamp(now, (now.millisecond + bump) % 1000);
    // The facts go first: a backup file without its facts is never left.
    std::string base = InFolder(folder, stamp);
    if (!files.WriteText(base + std::string(kFactsExtension), FactsText(facts)) ||
        !files.WriteText(base + std::string(kBackupExtension), text.FileContent())) {
        Remove(files, stamp);
        return false;
    }
    std::vector<std::string> backups = Backups(files);
    for (std::size_t i = 0; i + kBackupsKept < backups.size(); ++i) Remove(files, backups[i]);
    return true;
}

void RestoreFacts(core::Context& context, const BackupFacts& facts) {
    for (const auto& [value, data] : facts.texts)
        context.registry.SetValue(value.hive, value.key, value.name, data, ValueType::String);
    for (const auto& [value, number] : facts.numbers)
        context.registry.SetValue(value.hive, value.key, value.name, number);
    for (const StoredValue& value : facts.absent)
        context.registry.DeleteValue(value.hive, value.key, value.name);
    if (facts.noBlockList)
        context.files.Delete(restrictions::block_list::FilePath(context.values.baseFolder));
}

ImportStatus UndoLastImport(core::Context& context) {
    platform::Files& files = context.files;
    std::vector<std::string> backups = Backups(files);
    std::optional<BackupFacts> facts;
    if (!backups.empty())
        facts = ReadFacts(
            files, InFolder(BackupFolder(files), backups.back()) + std::string(kFactsExtension));
    if (!facts) {
        context.dialogs.ShowMessage("Não há importação para desfazer.", std::string(kImportTitle),
                                    platform::style::Information);
        return ImportStatus::NothingToUndo;
    }
    std::string path =
        InFolder(BackupFolder(files), backups.back()) + std::string(kBackupExtension);
    ImportStatus status = ImportFile(context, path, {.takeBackup = false, .restore = &*facts});
    // A backup that could not be put back whole stays for another try.
    if (status == ImportStatus::Done) Remove(files, backups.back());
    return status;
}

}  // namespace transfer
