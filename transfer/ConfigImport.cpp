#include "transfer/ConfigImport.h"

#include <algorithm>

#include "applocker/OutsideExplorer.h"
#include "changes/ConfigValues.h"
#include "changes/ImportChanges.h"
#include "changes/ImportedValues.h"
#include "changes/RegistryWrites.h"
#include "changes/ValueReport.h"
#include "core/AccessTrust.h"
#include "core/WindowsSupport.h"
#include "grouppolicy/PolicyObject.h"
#include "optimization/OpenWithVerb.h"
#include "personalization/BrowserStartPage.h"
#include "personalization/LogonNotice.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "transfer/ConfigFile.h"
#include "transfer/ConfigRecords.h"
#include "undo/Backup.h"
#include "undo/ImportReach.h"
#include "undo/PolicyValues.h"

namespace transfer {

using namespace changes;
using undo::BackupContents;
using undo::SaveBackup;

namespace {

using platform::style::Critical;
using platform::style::Exclamation;
using platform::style::Information;

// What the records of one file decide besides their registry writes.
struct Imported {
    std::optional<std::string_view> noticeKey;  // where this Windows reads the notice
    std::vector<std::string> allowList;
    std::vector<std::string> blockList;
    bool blockListRecord = false;  // any "QV03", empty or not
    bool allowListSwitch = false;
    bool noticeLost = false;              // a notice with nowhere to go
    std::optional<bool> outsideExplorer;  // "QVc1": nothing when the file does not say
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

void ApplyPolicies(RegistryAccess& registry, const std::string& data, Imported& imported) {
    auto policies = PoliciesInFileOrder();
    for (std::size_t i = 0; i < policies.size(); ++i) {
        char32_t flag = FlagAt(data, i);
        const restrictions::PolicyEntry& policy = *policies[i];
        // Any other character, or none, leaves the policy as it is; so does
        // "1" for a drive mask that is on already, whatever letters it names.
        if (!IsFlag(flag) ||
            (flag == U'1' && policy.IsMask() &&
             restrictions::IsOn(
                 policy, registry.GetValueText(Hive::CurrentUser, policy.key, policy.valueName))))
            continue;
        registry.SetValue(Hive::CurrentUser, policy.key, policy.valueName,
                          flag == U'1' ? policy.on : 0);
    }
    char32_t allowListSwitch = FlagAt(data, policies.size());
    if (IsFlag(allowListSwitch)) imported.allowListSwitch = allowListSwitch == U'1';
}

void ApplyDesktopTuning(RegistryAccess& registry, platform::Files& files, const std::string& data) {
    for (auto [position, setting] :
         {std::pair{0, &optimization::kMenuShowDelay}, std::pair{1, &optimization::kMinAnimate}})
        registry.SetValue(setting->hive, setting->key, setting->valueName,
                          FlagAt(data, position) == U'1' ? setting->onData : setting->offData,
                          ValueType::String);
    // The command names the Windows folder the system reports when SystemRoot is empty.
    optimization::SetOpenWithVerb(registry, files, FlagAt(data, 2) == U'1');
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
void ApplyNotice(RegistryAccess& registry, std::string_view recordKey, const std::string& data,
                 Imported& imported) {
    if (!imported.noticeKey) {
        imported.noticeLost = true;
        return;
    }
    TextValue caption = NoticeCaptionAt(*imported.noticeKey),
              text = NoticeTextAt(*imported.noticeKey);
    if (recordKey == key::NoticeCaption) {
        Write(registry, caption, data);
    } else if (data.empty()) {
        Delete(registry, caption);
        Delete(registry, text);
    } else {
        Write(registry, text, data);
    }
}

void Apply(RegistryAccess& registry, platform::Files& files, const Record& record,
           Imported& imported) {
    const std::string& data = record.data;
    if (record.key == key::Policies) {
        ApplyPolicies(registry, data, imported);
    } else if (record.key == key::AllowList) {
        imported.allowList.push_back(data);
    } else if (record.key == key::OutsideExplorer) {
        if (IsFlag(FlagAt(data, 0))) imported.outsideExplorer = FlagAt(data, 0) == U'1';
    } else if (record.key == key::BlockList) {
        // The logon entry is decided once the whole file is read.
        imported.blockListRecord = true;
        if (!data.empty()) imported.blockList.push_back(data);
    } else if (record.key == key::DesktopTuning) {
        ApplyDesktopTuning(registry, files, data);
    } else if (record.key == key::BrowserTuning) {
        ApplySwitches(registry, kBrowserTuningFlags, data);
    } else if (record.key == key::SaveDirectory) {
        Write(registry, kSaveDirectory, data);
    } else if (record.key == key::DiskCache) {
        Write(registry, kDiskCacheTemplate, data);
    } else if (record.key == key::NoticeCaption || record.key == key::NoticeText) {
        ApplyNotice(registry, record.key, data, imported);
    } else if (record.key == key::ScrollPrograms) {
        // As the desktop screen does: the key is missing on a fresh profile.
        registry.CreateKey(kScrollPrograms.hive, kScrollPrograms.key);
        Write(registry, kScrollPrograms,
              std::string(FlagAt(data, 0) == U'1' ? personalization::kScrolls
                                                  : personalization::kColumns));
    } else if (record.key == key::BrowserLook) {
        ApplySwitches(registry, kBrowserLookFlags, data);
    } else if (record.key == key::StartPage) {
        Write(registry, kStartPage, data.empty() ? std::string(personalization::kBlankPage) : data);
        personalization::SetBrowsersStartPage(registry, data);
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
void DecideLogonEntry(RegistryAccess& registry, platform::Files& files, const core::Target& target,
                      const Imported& imported) {
    if (!imported.blockList.empty())
        restrictions::block_list::SetLogonEntry(registry, files, target);
    else if (imported.blockListRecord)
        restrictions::block_list::RemoveLogonEntry(registry, target);
}

// The imported programs at "6" onwards, never past "599" (the wizard's
// catalogue lies beyond), and nothing of an earlier list behind them: the
// list "Bloquear" and the policy files leave.
void WriteImportedAllowList(RegistryAccess& registry, const Imported& imported) {
    namespace allow_list = restrictions::allow_list;
    const std::vector<std::string>& entries = imported.allowList;
    if (entries.empty()) return;
    allow_list::PrepareList(registry);
    allow_list::WriteUserList(registry, entries);
    allow_list::SetSwitch(registry, imported.allowListSwitch);
}

struct Planned {
    Imported imported;
    std::vector<RegistryWrite> writes;
    std::vector<std::string> ignored;    // settings of the file this Windows ignores
    std::optional<std::string> refused;  // why the allow-list cannot hold outside Explorer
};

// Takes away the writes into a key this Windows does not have (nothing is
// written there, nor kept for undo) and names every setting it ignores; a
// policy switched off does nothing anywhere and is not named.
std::vector<std::string> SetAsideIgnored(core::Windows windows,
                                         std::vector<RegistryWrite>& writes) {
    std::vector<std::string> names;
    auto name = [&](std::string_view setting) {
        if (std::find(names.begin(), names.end(), setting) == names.end())
            names.emplace_back(setting);
    };
    std::vector<RegistryWrite> kept;
    for (RegistryWrite& write : writes) {
        if (std::string_view gone = core::KeyGoneOn(windows, write.key); !gone.empty()) {
            name(gone);
            continue;
        }
        bool switchedOff = write.type == ValueType::Dword && write.number == 0;
        if (write.kind == RegistryWrite::Kind::SetValue && !switchedOff &&
            !core::Honours(windows, write.name))
            name(write.name);
        kept.push_back(std::move(write));
    }
    writes = std::move(kept);
    return names;
}

// The import's registry writes, recorded over the stored state and not done.
Planned Plan(core::Context& context, const std::vector<Record>& records, bool forReal) {
    const platform::AnsiCodec& codec = context.registry.codec();
    Planned plan;
    // Asked of the stored state itself: the recording registry opens every key.
    RegistryAccess stored(context.target, codec);
    plan.imported.noticeKey = personalization::LogonNoticeKey(stored);
    RecordedWrites recorder(context.target, codec);
    RegistryAccess registry(recorder, codec);
    for (std::string_view key : restrictions::kPolicyKeys)
        registry.CreateKey(Hive::CurrentUser, key);
    for (const Record& record : records) Apply(registry, context.files, record, plan.imported);
    DecideLogonEntry(registry, context.files, context.values.target, plan.imported);
    WriteImportedAllowList(registry, plan.imported);
    if (std::optional<bool> outside = plan.imported.outsideExplorer) {
        // Judged on the computer that will hold the rules, not on one writing files for others.
        if (*outside && forReal) plan.refused = applocker::Refusal(context);
        if (!plan.refused) applocker::SetAccountSwitches(registry, *outside, &stored);
    }
    plan.writes = std::move(recorder.writes);
    plan.ignored = SetAsideIgnored(core::ReleaseOf(context.accounts.Windows()), plan.writes);
    return plan;
}

// Does the writes, each checked: what was not written, named.
std::vector<std::string> DoWrites(RegistryAccess& registry,
                                  const std::vector<RegistryWrite>& writes, std::size_t& written) {
    std::vector<std::string> failed;
    for (const RegistryWrite& write : writes) {
        RegistryStatus status = 0;
        bool onKey = write.kind == RegistryWrite::Kind::CreateKey ||
                     write.kind == RegistryWrite::Kind::DeleteKey;
        std::string path =
            onKey ? KeyPath(write.hive, write.key) : ValuePath(write.hive, write.key, write.name);
        switch (write.kind) {
            case RegistryWrite::Kind::CreateKey:
                status = registry.CreateKey(write.hive, write.key);
                break;
            case RegistryWrite::Kind::SetValue:
                status = registry.Restore(
                    write.hive, write.key, write.name,
                    StoredValue{static_cast<std::uint32_t>(write.type),
                                std::vector<std::uint8_t>(write.bytes.begin(), write.bytes.end())});
                break;
            case RegistryWrite::Kind::DeleteValue:
                status = registry.DeleteValue(write.hive, write.key, write.name);
                status = status == 2 ? 0 : status;  // already gone is what was asked
                break;
            case RegistryWrite::Kind::DeleteKey:
                status = registry.DeleteKey(write.hive, write.key);
                status = status == 2 ? 0 : status;
                break;
        }
        if (status == 0) ++written;
        if (status != 0 &&
            std::find(failed.begin(), failed.end(), path + WhyNotWritten(status)) == failed.end())
            failed.push_back(path + WhyNotWritten(status));
    }
    return failed;
}

std::string BlockListText(const Imported& imported) {
    std::string text;
    for (const std::string& line : imported.blockList) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// Only a file that carried block-list lines replaces the block list.
bool BlockListChanges(core::Context& context, const Imported& imported) {
    if (imported.blockList.empty()) return false;
    std::string path = restrictions::block_list::FilePath(context.values.baseFolder);
    return context.files.ReadBytes(path) !=
           context.registry.codec().ToAnsi(
               restrictions::block_list::FileContent(BlockListText(imported)));
}

// The state before, of exactly what the import will change: in a policy
// object, the file's own entries of each value; in this account, whose
// profile it is.
BackupContents Before(core::Context& context, const ImportChanges& changes, bool blockList) {
    BackupContents before;
    const std::string& object = context.target.object();
    std::vector<grouppolicy::PolicyEntry> entries;
    if (!object.empty())
        entries = grouppolicy::ParsePolicyFile(context.target.FileBytes().value_or(""))
                      .value_or(std::vector<grouppolicy::PolicyEntry>());
    const std::string file = undo::NameForBackup(context, grouppolicy::UserPolicyFile(object));
    bool listMarked = false;
    for (const ValueState& value : changes.before) {
        if (!object.empty() && value.hive == Hive::CurrentUser) {
            before.policyValues.push_back(
                {file, value.key, value.name, undo::EntriesOf(entries, value.key, value.name)});
            // The list is written whole, after a marker that empties it: undo takes that
            // marker back too when the object had none.
            if (!listMarked && SameName(value.key, restrictions::allow_list::kListKey)) {
                listMarked = true;
                before.policyValues.push_back(
                    {file, value.key, std::string(undo::kEmptiesKey),
                     undo::EntriesOf(entries, value.key, std::string(undo::kEmptiesKey))});
            }
            continue;
        }
        if (value.hive == Hive::CurrentUser) before.account = context.accounts.Running().sid;
        before.values.push_back(value);
    }
    for (const KeyState& key : changes.createdKeys)
        if (ImportableValues().HoldsKey(key.hive, key.key)) before.absentKeys.push_back(key);
    if (blockList) {
        std::string path = restrictions::block_list::FilePath(context.values.baseFolder);
        before.blockList = FileState{path, context.files.ReadBytes(path)};
    }
    return before;
}

// A logon entry that would start DErodu.exe from a folder others may change
// is not written, and the import says why.
bool DropsUntrustedLogonEntry(core::Context& context, std::vector<RegistryWrite>& writes) {
    namespace block_list = restrictions::block_list;
    auto entry = [](const RegistryWrite& write) {
        return write.kind == RegistryWrite::Kind::SetValue &&
               SameName(write.name, block_list::kLogonEntry);
    };
    if (std::none_of(writes.begin(), writes.end(), entry) ||
        core::MayStartAtLogon(context.files, context.dialogs, block_list::kCompanion,
                              block_list::kLogonEntry, std::string(kImportTitle)))
        return false;
    std::erase_if(writes, entry);
    return true;
}

}  // namespace

ImportStatus ImportText(core::Context& context, const std::string& text, bool complete,
                        const ImportOptions& options) {
    const std::string title(kImportTitle);
    std::vector<Record> records = ReadRecords(SplitConfigLines(text));
    if (records.empty()) {
        context.dialogs.ShowMessage(
            "O arquivo não contém configurações do Quarvel; nada foi importado.", title, Critical);
        return ImportStatus::NotAConfiguration;
    }
    Planned plan = Plan(context, records, options.takeBackup);
    const Imported& imported = plan.imported;
    std::string ignored;
    for (const std::string& setting : plan.ignored)
        ignored += (ignored.empty() ? "" : "; ") + setting;
    // After the first sentence, whatever it says.
    const std::string ignoredHere =
        ignored.empty() ? std::string() : "; sem efeito neste Windows: " + ignored + ".";
    std::vector<RegistryWrite> writes = std::move(plan.writes);
    // The allow-list outside Explorer: its rules go to the computer's own object.
    std::vector<std::string> optionRefused;  // said after the writes: the import is done in part
    std::optional<applocker::ComputerPlan> computer;
    if (plan.refused) {
        optionRefused.push_back(*plan.refused);
    } else if (std::optional<bool> outside = imported.outsideExplorer) {
        std::vector<std::string> listed =
            imported.allowList.empty() ? restrictions::allow_list::ReadUserList(context.registry)
                                       : imported.allowList;
        const std::string users(grouppolicy::kNonAdministrators);
        if (*outside && options.takeBackup && !applocker::Enforces(context.accounts.Windows()))
            optionRefused.push_back(applocker::NotOnThisWindows());
        else if (!options.takeBackup && options.computerRules && *outside)
            *options.computerRules =
                applocker::RuleEntries(applocker::TargetRules({users, listed}, users));
        else if (options.takeBackup)
            computer = applocker::PlanRules(context, *outside, listed);
        if (computer && !computer->readable)
            optionRefused.push_back(applocker::NotAPolicyFile(computer->folder));
    }
    const bool computerChanges = computer && computer->Changes();
    bool partial = DropsUntrustedLogonEntry(context, writes);
    bool writeBlockList = options.blockListFile && !imported.blockList.empty();
    std::optional<undo::SavedBackup> backup;
    bool warned = false;
    if (options.takeBackup) {
        if (options.beforeComparing) options.beforeComparing(writes);
        ImportChanges changes = FindChanges(context.registry, writes, ImportableValues().values());
        writeBlockList = BlockListChanges(context, imported);
        if (changes.empty() && !writeBlockList && !computerChanges) {
            if (!optionRefused.empty()) {
                for (const std::string& refused : optionRefused)
                    context.dialogs.ShowMessage(refused, title, Exclamation);
                return ImportStatus::Partial;
            }
            context.dialogs.ShowMessage("Nada a mudar" + ignoredHere, title, Information);
            return ImportStatus::Unchanged;
        }
        BackupContents before = Before(context, changes, writeBlockList);
        if (computerChanges)
            before.computerRules =
                FileState{computer->folder,
                          grouppolicy::PolicyFileBytes(applocker::OwnPart(computer->before))};
        backup = SaveBackup(context, before);
        if (!backup) {
            context.dialogs.ShowMessage(
                "Não foi possível guardar uma cópia das configurações atuais em " +
                    undo::BackupFolder(context.files) + " nem em " +
                    undo::PrivateBackupFolder(context) + "; nada foi importado.",
                title, Critical);
            return ImportStatus::NoBackup;
        }
        // Everything is written all the same, and said to be; the exit code
        // still shows that something is wrong.
        warned = !backup->untrusted.empty();
        if (warned) {
            context.dialogs.ShowMessage(
                "A pasta das cópias de segurança não é segura (" + backup->untrusted +
                    "): ela não foi usada, e a cópia desta importação foi guardada em " +
                    core::ParentOf(backup->path) +
                    ". Apague essa pasta; o Quarvel a cria de novo só para os Administradores.",
                title, platform::style::Exclamation);
        }
        writes = std::move(changes.writes);
    }
    // Each import stands alone: nothing of an earlier file is applied again.
    context.values.importedAllowList = imported.allowListSwitch;
    std::size_t written = 0;
    std::vector<std::string> failed = DoWrites(context.registry, writes, written);
    partial |= !failed.empty();
    if (!failed.empty())
        context.dialogs.ShowMessage(
            "A importação foi feita só em parte; não foi gravado:" + Listed(failed), title,
            Critical);
    std::size_t kept = restrictions::allow_list::kUserCapacity;
    if (imported.allowList.size() > kept) {
        partial = true;
        std::string dropped;
        for (std::size_t i = kept; i < imported.allowList.size(); ++i)
            dropped += "\r\n" + imported.allowList[i];
        context.dialogs.ShowMessage("A lista de executáveis permitidos comporta " +
                                        std::to_string(kept) +
                                        " programas. Estes não foram importados:" + dropped,
                                    title, Critical);
    }
    std::string blockListPath = restrictions::block_list::FilePath(context.values.baseFolder);
    bool listWritten = writeBlockList && restrictions::block_list::Write(
                                             context.files, blockListPath, BlockListText(imported));
    bool rulesWritten = false;
    if (computerChanges) {
        rulesWritten = applocker::WriteRules(context, *computer);
        if (!rulesWritten) {
            partial = true;
            context.dialogs.ShowMessage(applocker::NotWritten(computer->folder), title, Critical);
        } else if (!applocker::StartEnforcing(context, title, *imported.outsideExplorer)) {
            partial = true;
        }
    }
    // Nothing changed after all: there is nothing for undo to take back.
    if (backup && written == 0 && !listWritten && !rulesWritten)
        undo::DropBackup(context.files, backup->path);
    if (writeBlockList && !listWritten) {
        partial = true;
        context.dialogs.ShowMessage(
            "As configurações foram importadas, mas a lista de pastas/janelas bloqueadas não pôde "
            "ser gravada em " +
                blockListPath,
            title, Critical);
    }
    for (const std::string& refused : optionRefused) {
        partial = true;
        context.dialogs.ShowMessage(refused, title, Exclamation);
    }
    if (imported.noticeLost) {
        partial = true;
        context.dialogs.ShowMessage(
            "A mensagem de logon não foi importada: este Windows não tem a chave Winlogon onde "
            "ela é lida.",
            title, Critical);
    }
    if (!complete) {
        partial = true;
        context.dialogs.ShowMessage(
            "O arquivo não pôde ser lido até o fim; foram importadas as configurações lidas antes "
            "do erro.",
            title, Critical);
    }
    if (partial) {
        if (!ignored.empty())
            context.dialogs.ShowMessage("Sem efeito neste Windows: " + ignored + ".", title,
                                        Information);
        return ImportStatus::Partial;
    }
    context.dialogs.ShowMessage("Configurações importadas com sucesso" + ignoredHere, title,
                                Information);
    return warned ? ImportStatus::Partial : ImportStatus::Done;
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
