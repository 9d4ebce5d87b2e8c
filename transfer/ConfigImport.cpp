#include "transfer/ConfigImport.h"

#include "optimization/OpenWithVerb.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "transfer/ConfigFile.h"
#include "transfer/ConfigRecords.h"
#include "transfer/ConfigValues.h"

namespace transfer {
namespace {

constexpr char kTitle[] = "Quarvel²";

// What the records of one file build up before it is stored.
struct Imported {
    std::vector<std::string> allowList;
    std::vector<std::string> blockList;
};

char FlagAt(const std::string& data, std::size_t position) {
    return position < data.size() ? data[position] : '\0';
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
        char flag = FlagAt(data, i);
        // Any other character, or none, leaves the policy as it is.
        if (flag == '1' || flag == '0')
            context.registry.SetValue(Hive::CurrentUser, policies[i]->key, policies[i]->valueName,
                                      flag == '1' ? 1 : 0);
    }
    char allowListSwitch = FlagAt(data, policies.size());
    if (allowListSwitch == '1' || allowListSwitch == '0')
        context.values.importedAllowList = allowListSwitch == '1';
}

void ApplyDesktopTuning(RegistryAccess& registry, const std::string& data) {
    for (auto [position, setting] :
         {std::pair{0, &optimization::kMenuShowDelay}, std::pair{1, &optimization::kMinAnimate}})
        registry.SetValue(setting->hive, setting->key, setting->valueName,
                          FlagAt(data, position) == '1' ? setting->onData : setting->offData,
                          ValueType::String);
    optimization::SetOpenWithVerb(registry, FlagAt(data, 2) == '1');
}

void ApplySwitches(RegistryAccess& registry,
                   const std::array<const personalization::BrowserSwitch*, 5>& switches,
                   const std::string& data) {
    for (std::size_t i = 0; i < switches.size(); ++i)
        registry.SetValue(
            switches[i]->hive, personalization::kBrowserMainKey, switches[i]->valueName,
            FlagAt(data, i) == '1' ? personalization::kSwitchOn : personalization::kSwitchOff,
            ValueType::String);
}

void Apply(core::Context& context, const Record& record, Imported& imported) {
    RegistryAccess& registry = context.registry;
    const std::string& data = record.data;
    if (record.key == key::Policies) {
        ApplyPolicies(context, data);
    } else if (record.key == key::AllowList) {
        imported.allowList.push_back(data);
    } else if (record.key == key::BlockList) {
        if (data.empty()) {
            restrictions::block_list::RemoveLogonEntry(registry);
        } else {
            imported.blockList.push_back(data);
            restrictions::block_list::SetLogonEntry(registry, context.files);
        }
    } else if (record.key == key::DesktopTuning) {
        ApplyDesktopTuning(registry, data);
    } else if (record.key == key::BrowserTuning) {
        ApplySwitches(registry, kBrowserTuningFlags, data);
    } else if (record.key == key::SaveDirectory) {
        Write(registry, kSaveDirectory, data);
    } else if (record.key == key::DiskCache) {
        Write(registry, kDiskCacheTemplate, data);
    } else if (record.key == key::NoticeCaption) {
        Write(registry, kNoticeCaption, data);
    } else if (record.key == key::NoticeText) {
        if (data.empty()) {
            Delete(registry, kNoticeCaption);
            Delete(registry, kNoticeText);
        } else {
            Write(registry, kNoticeText, data);
        }
    } else if (record.key == key::ScrollPrograms) {
        Write(registry, kScrollPrograms,
              std::string(FlagAt(data, 0) == '1' ? personalization::kScrolls
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

// The imported programs at "6" onwards, never past "599" (the wizard's
// catalogue lies beyond); the user hears of any that did not fit.
void WriteImportedAllowList(core::Context& context, const std::vector<std::string>& entries) {
    namespace allow_list = restrictions::allow_list;
    if (entries.empty()) return;
    allow_list::PrepareList(context.registry);
    std::size_t count = std::min(entries.size(), allow_list::kUserCapacity);
    for (std::size_t i = 0; i < count; ++i)
        context.registry.SetValue(Hive::CurrentUser, allow_list::kListKey,
                                  std::to_string(allow_list::kFirstUserNumber + i), entries[i],
                                  ValueType::String);
    allow_list::SetSwitch(context.registry, context.values.importedAllowList);
    if (count == entries.size()) return;
    std::string dropped;
    for (std::size_t i = count; i < entries.size(); ++i) dropped += "\r\n" + entries[i];
    context.dialogs.ShowMessage("A lista de executáveis permitidos comporta " +
                                    std::to_string(allow_list::kUserCapacity) +
                                    " programas. Estes não foram importados:" + dropped,
                                kTitle, platform::style::Critical);
}

// Only a file that carried block-list lines replaces the block list; the
// registry changes of the import stay when the file cannot be written.
void WriteImportedBlockList(core::Context& context, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    std::string path = restrictions::block_list::FilePath(context.values.baseFolder);
    if (!restrictions::block_list::Write(context.files, path, text))
        context.dialogs.ShowMessage(
            "As configurações foram importadas, mas a lista de pastas/janelas bloqueadas não pôde "
            "ser gravada em " +
                path,
            kTitle, platform::style::Critical);
}

}  // namespace

void ImportFile(core::Context& context, const std::string& path) {
    for (std::string_view key : restrictions::kPolicyKeys)
        context.registry.CreateKey(Hive::CurrentUser, key);
    if (path.empty()) return;
    if (auto lines = context.files.ReadLines(path)) ImportLines(context, *lines);
}

void ImportLines(core::Context& context, const std::vector<std::string>& lines) {
    // Each import stands alone: nothing of an earlier file is applied again.
    context.values.importedAllowList = false;
    std::vector<Record> records = ReadRecords(lines);
    if (records.empty()) {
        context.dialogs.ShowMessage(
            "O arquivo não contém configurações do Quarvel; nada foi importado.", kTitle,
            platform::style::Critical);
        return;
    }
    Imported imported;
    for (const Record& record : records) Apply(context, record, imported);
    WriteImportedAllowList(context, imported.allowList);
    WriteImportedBlockList(context, imported.blockList);
    context.dialogs.ShowMessage("Configurações importadas com sucesso", kTitle,
                                platform::style::Information);
}

void ImportConfiguration(core::Context& context, ImportSource source) {
    std::string path(kFloppyFile);
    if (source == ImportSource::ChosenFile)
        path = context.dialogs
                   .OpenFile({"Abrir arquivo de configurações do Quarvel",
                              "Configurações do Quarvel|*.qvc", "qvc", "C:\\"})
                   .value_or("");
    ImportFile(context, path);
}

}  // namespace transfer
