#include "transfer/ConfigImport.h"

#include <algorithm>
#include <set>

#include "optimization/OpenWithVerb.h"
#include "personalization/LogonNotice.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "transfer/Backup.h"
#include "transfer/ConfigFile.h"
#include "transfer/ConfigRecords.h"
#include "transfer/ConfigValues.h"

namespace transfer {
namespace {

using platform::style::Critical;
using platform::style::Information;

// What the records of one file build up before it is stored.
struct Imported {
    std::vector<std::string> allowList;
    std::vector<std::string> blockList;
    bool blockListRecord = false;  // any "QV03", empty or not
    bool noticeLost = false;       // a notice with nowhere to go
    bool openWithLost = false;     // the open-with verb could not be set or removed
    bool partial = false;
};

bool IsFlag(char32_t c) {
    return c == U'1' || c == U'0';
}

void Write(RegistryAccess& registry, const TextValue& value, const std::string& data) {
    registry.SetValue(value.hive, value.key, value.name, data, ValueType::String);
}

void Delete(RegistryAccess& registry, const TextValue& value) {
    registry.DeleteValue(value.hive, value.key, value.name);
}

void ApplyPolicies(core::Context& context, const std::string& data) {
    auto policies = PoliciesInFileOrder();
    for (std::size_t i = 0; i < policies.size(); ++i) {
        char32_t flag = FlagAt(data, i);
        // Any other character, or none, leaves the policy as it is.
        if (IsFlag(flag))
            context.registry.SetValue(Hive::CurrentUser, policies[i]->key, policies[i]->valueName,
                                      flag == U'1' ? 1 : 0);
    }
    char32_t allowListSwitch = FlagAt(data, policies.size());
    if (IsFlag(allowListSwitch)) context.values.importedAllowList = allowListSwitch == U'1';
}

void ApplyDesktopTuning(core::Context& context, const std::string& data, Imported& imported) {
    for (auto [position, setting] :
         {std::pair{0, &optimization::kMenuShowDelay}, std::pair{1, &optimization::kMinAnimate}})
        context.registry.SetValue(
            setting->hive, setting->key, setting->valueName,
            FlagAt(data, position) == U'1' ? setting->onData : setting->offData, ValueType::String);
    // The command names the Windows folder the system reports when SystemRoot is empty.
    if (!optimization::SetOpenWithVerb(context.registry, context.files, FlagAt(data, 2) == U'1'))
        imported.openWithLost = true;
}

void ApplySwitches(RegistryAccess& registry,
                   const std::array<const personalization::BrowserSwitch*, 5>& switches,
                   const std::string& data) {
    for (std::size_t i = 0; i < switches.size(); ++i)
        registry.SetValue(
            switches[i]->hive, personalization::kBrowserMainKey, switches[i]->valueName,
            FlagAt(data, i) == U'1' ? personalization::kSwitchOn : personalization::kSwitchOff,
            ValueType::String);
}

// The notice goes where this Windows reads it; with no such place it is lost.
void ApplyNotice(core::Context& context, std::string_view recordKey, const std::string& data,
                 Imported& imported) {
    auto place = personalization::LogonNoticeKey(context.registry);
    if (!place) {
        imported.noticeLost = true;
        return;
    }
    TextValue caption = NoticeCaptionAt(*place), text = NoticeTextAt(*place);
    if (recordKey == key::NoticeCaption) {
        Write(context.registry, caption, data);
    } else if (data.empty()) {
        Delete(context.registry, caption);
        Delete(context.registry, text);
    } else {
        Write(context.registry, text, data);
    }
}

void Apply(core::Context& context, const Record& record, Imported& imported) {
    RegistryAccess& registry = context.registry;
    const std::string& data = record.data;
    if (record.key == key::Policies) {
        ApplyPolicies(context, data);
    } else if (record.key == key::AllowList) {
        imported.allowList.push_back(data);
    } else if (record.key == key::BlockList) {
        // The logon entry is decided once the whole file is read.
        imported.blockListRecord = true;
        if (!data.empty()) imported.blockList.push_back(data);
    } else if (record.key == key::DesktopTuning) {
        ApplyDesktopTuning(context, data, imported);
    } else if (record.key == key::BrowserTuning) {
        ApplySwitches(registry, kBrowserTuningFlags, data);
    } else if (record.key == key::SaveDirectory) {
        Write(registry, kSaveDirectory, data);
    } else if (record.key == key::DiskCache) {
        Write(registry, kDiskCacheTemplate, data);
    } else if (record.key == key::NoticeCaption || record.key == key::NoticeText) {
        ApplyNotice(context, record.key, data, imported);
    } else if (record.key == key::ScrollPrograms) {
        Write(registry, kScrollPrograms,
              std::string(FlagAt(data, 0) == U'1' ? personalization::kScrolls
                                                  : personalization::kColumns));
    } else if (record.key == key::BrowserLook) {
        ApplySwitches(registry, kBrowserLookFlags, data);
    } else if (record.key == key::StartPage) {
        Write(registry, kStartPage, data.empty() ? std::string(personalization::kBlankPage) : data);
    } else if (record.key == key::WindowTitle) {
        if (data.empty()) {
            Delete(registry, kWindowTitle);
        } else {
            Write(registry, kWindowTitle, data);
        }
    } else if (record.key == key::LockCode) {
        Write(registry, kLockCodeValue, data);
    }
}

// Set when any block-list record carried a line; removed only when every one
// was empty (what an export writes for a computer without a block list), so
// that an empty line at the end of a list never switches blocking off.
void DecideLogonEntry(core::Context& context, const Imported& imported) {
    if (!imported.blockList.empty())
        restrictions::block_list::SetLogonEntry(context.registry, context.files,
                                                context.values.target);
    else if (imported.blockListRecord)
        restrictions::block_list::RemoveLogonEntry(context.registry, context.values.target);
}

// The imported programs at "6" onwards, never past "599" (the wizard's
// catalogue lies beyond); the user hears of any that did not fit.
void WriteImportedAllowList(core::Context& context, Imported& imported) {
    namespace allow_list = restrictions::allow_list;
    const std::vector<std::string>& entries = imported.allowList;
    if (entries.empty()) return;
    allow_list::PrepareList(context.registry);
    std::size_t count = std::min(entries.size(), allow_list::kUserCapacity);
    for (std::size_t i = 0; i < count; ++i)
        context.registry.SetValue(Hive::CurrentUser, allow_list::kListKey,
                                  std::to_string(allow_list::kFirstUserNumber + i), entries[i],
                                  ValueType::String);
    allow_list::SetSwitch(context.registry, context.values.importedAllowList);
    if (count == entries.size()) return;
    imported.partial = true;
    std::string dropped;
    for (std::size_t i = count; i < entries.size(); ++i) dropped += "\r\n" + entries[i];
    context.dialogs.ShowMessage("A lista de executáveis permitidos comporta " +
                                    std::to_string(allow_list::kUserCapacity) +
                                    " programas. Estes não foram importados:" + dropped,
                                std::string(kImportTitle), Critical);
}

// Undo puts every program back under the number it had, and takes away the
// numbers of the user's range that the undone import added.
void RestoreAllowList(core::Context& context, const Imported& imported, const BackupFacts& facts) {
    namespace allow_list = restrictions::allow_list;
    allow_list::PrepareList(context.registry);
    std::set<int> kept(facts.programNumbers.begin(), facts.programNumbers.end());
    for (int number = allow_list::kFirstUserNumber; number <= allow_list::kLastUserNumber; ++number)
        if (!kept.contains(number))
            context.registry.DeleteValue(Hive::CurrentUser, allow_list::kListKey,
                                         std::to_string(number));
    std::size_t count = std::min(imported.allowList.size(), facts.programNumbers.size());
    for (std::size_t i = 0; i < count; ++i)
        context.registry.SetValue(Hive::CurrentUser, allow_list::kListKey,
                                  std::to_string(facts.programNumbers[i]), imported.allowList[i],
                                  ValueType::String);
    allow_list::SetSwitch(context.registry, context.values.importedAllowList);
}

// Only a file that carried block-list lines replaces the block list; the
// registry changes of the import stay when the file cannot be written.
void WriteImportedBlockList(core::Context& context, Imported& imported) {
    if (imported.blockList.empty()) return;
    std::string text;
    for (const std::string& line : imported.blockList) text += (text.empty() ? "" : "\r\n") + line;
    std::string path = restrictions::block_list::FilePath(context.values.baseFolder);
    if (restrictions::block_list::Write(context.files, path, text)) return;
    imported.partial = true;
    context.dialogs.ShowMessage(
        "As configurações foram importadas, mas a lista de pastas/janelas bloqueadas não pôde "
        "ser gravada em " +
            path,
        std::string(kImportTitle), Critical);
}

}  // namespace

ImportStatus ImportText(core::Context& context, const std::string& text, bool complete,
                        const ImportOptions& options) {
    const std::string title(kImportTitle);
    // Each import stands alone: nothing of an earlier file is applied again.
    context.values.importedAllowList = false;
    std::vector<Record> records = ReadRecords(SplitConfigLines(text));
    if (records.empty()) {
        context.dialogs.ShowMessage(
            "O arquivo não contém configurações do Quarvel; nada foi importado.", title, Critical);
        return ImportStatus::NotAConfiguration;
    }
    if (options.takeBackup && options.beforeBackup) options.beforeBackup();
    if (options.takeBackup && !SaveBackup(context)) {
        context.dialogs.ShowMessage(
            "Não foi possível guardar uma cópia das configurações atuais em " +
                BackupFolder(context.files) + "; nada foi importado.",
            title, Critical);
        return ImportStatus::NoBackup;
    }
    for (std::string_view key : restrictions::kPolicyKeys)
        context.registry.CreateKey(Hive::CurrentUser, key);
    Imported imported;
    for (const Record& record : records) Apply(context, record, imported);
    DecideLogonEntry(context, imported);
    if (options.restore)
        RestoreAllowList(context, imported, *options.restore);
    else
        WriteImportedAllowList(context, imported);
    if (options.blockListFile) WriteImportedBlockList(context, imported);
    if (options.restore) RestoreFacts(context, *options.restore);
    if (imported.noticeLost) {
        imported.partial = true;
        context.dialogs.ShowMessage(
            "A mensagem de logon não foi importada: este Windows não tem a chave Winlogon onde "
            "ela é lida.",
            title, Critical);
    }
    if (imported.openWithLost) {
        imported.partial = true;
        context.dialogs.ShowMessage(
            "A opção \"QV - Abrir com...\" do menu de contexto dos arquivos não pôde ser gravada.",
            title, Critical);
    }
    if (!complete) {
        imported.partial = true;
        context.dialogs.ShowMessage(
            "O arquivo não pôde ser lido até o fim; foram importadas as configurações lidas antes "
            "do erro.",
            title, Critical);
    }
    context.dialogs.ShowMessage(options.restore
                                    ? "A última importação foi desfeita: as configurações "
                                      "anteriores foram restauradas."
                                    : "Configurações importadas com sucesso",
                                title, Information);
    return imported.partial ? ImportStatus::Partial : ImportStatus::Done;
}

ImportStatus ImportFile(core::Context& context, const std::string& path,
                        const ImportOptions& options) {
    if (path.empty()) return ImportStatus::NoFile;
    auto size = context.files.Size(path);
    if (!size) return ImportStatus::NoFile;
    if (*size > kLargestConfiguration) {
        context.dialogs.ShowMessage("O arquivo " + path +
                                        " tem mais de 16 MB: não é um arquivo de configurações "
                                        "do Quarvel; nada foi importado.",
                                    std::string(kImportTitle), Critical);
        return ImportStatus::NotAConfiguration;
    }
    auto read = context.files.ReadText(path);
    if (!read) return ImportStatus::NoFile;
    return ImportText(context, read->text, read->complete, options);
}

ImportStatus ImportConfiguration(core::Context& context, ImportSource source) {
    // The policy keys are there whatever becomes of the file.
    for (std::string_view key : restrictions::kPolicyKeys)
        context.registry.CreateKey(Hive::CurrentUser, key);
    std::string path(kFloppyFile);
    if (source == ImportSource::ChosenFile)
        path = context.dialogs
                   .OpenFile({"Abrir arquivo de configurações do Quarvel",
                              "Configurações do Quarvel|*.qvc", "qvc", "C:\\"})
                   .value_or("");
    return ImportFile(context, path);
}

}  // namespace transfer
