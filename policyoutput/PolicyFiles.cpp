#include "policyoutput/PolicyFiles.h"

#include <array>
#include <cstdio>

#include "changes/ValueReport.h"
#include "core/FolderPath.h"
#include "core/Settings.h"
#include "grouppolicy/PolicyFile.h"
#include "platform/RecordedDialogs.h"
#include "policyoutput/FileSet.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "transfer/ConfigImport.h"

namespace policyoutput {
namespace {

namespace exit_code = changes::exit_code;
using changes::ImportStatus;
using changes::RegistryWrite;
using core::InFolder;

// Keys whose values the policy replaces whole, so that every computer ends
// with exactly the file's list and not its own list with the file's on top.
constexpr std::array<std::string_view, 1> kReplacedWhole = {restrictions::allow_list::kListKey};

bool ReplacedWhole(const RegistryWrite& write) {
    for (std::string_view key : kReplacedWhole)
        if (SameName(write.key, key)) return true;
    return false;
}

std::string RegQuoted(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string RegData(const RegistryWrite& write, const platform::AnsiCodec& codec) {
    char number[32];
    if (write.type == ValueType::Dword) {
        std::snprintf(number, sizeof number, "dword:%08x", write.number);
        return number;
    }
    if (write.text.find_first_of("\r\n") == std::string::npos) return RegQuoted(write.text);
    // A line break cannot stand in a quoted text of a REGEDIT4 file.
    std::string hex = "hex(1):";
    std::string ansi = codec.ToAnsi(write.text) + '\0';
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        std::snprintf(number, sizeof number, "%s%02x", i ? "," : "",
                      static_cast<unsigned char>(ansi[i]));
        hex += number;
    }
    return hex;
}

}  // namespace

std::string RegistryPolicyFile(const std::vector<RegistryWrite>& writes, Hive hive,
                               const std::vector<grouppolicy::PolicyEntry>& extra) {
    std::vector<grouppolicy::PolicyEntry> entries;
    auto add = [&](std::string_view key, std::string_view name, ValueType type, std::string data) {
        entries.push_back({grouppolicy::Utf16Of(key), grouppolicy::Utf16Of(name),
                           static_cast<std::uint32_t>(type), std::move(data)});
    };
    bool replaced = false;
    for (const RegistryWrite& write : writes) {
        if (write.hive != hive) continue;
        switch (write.kind) {
            case RegistryWrite::Kind::CreateKey:
                if (ReplacedWhole(write) && !replaced) {
                    add(write.key, "**delvals.", ValueType::String, grouppolicy::MarkerData());
                    replaced = true;
                }
                break;
            case RegistryWrite::Kind::SetValue:
                add(write.key, write.name, write.type,
                    write.type == ValueType::Dword ? grouppolicy::DwordData(write.number)
                                                   : grouppolicy::TextData(write.text));
                break;
            case RegistryWrite::Kind::DeleteValue:
                add(write.key, "**del." + write.name, ValueType::String, grouppolicy::MarkerData());
                break;
            case RegistryWrite::Kind::DeleteKey: {
                auto slash = write.key.rfind('\\');
                if (slash == std::string::npos) break;
                add(write.key.substr(0, slash), "**DeleteKeys", ValueType::String,
                    grouppolicy::TextData(write.key.substr(slash + 1)));
                break;
            }
        }
    }
    entries.insert(entries.end(), extra.begin(), extra.end());
    return grouppolicy::PolicyFileBytes(entries);
}

std::string RegFile(const std::vector<RegistryWrite>& writes, const platform::AnsiCodec& codec) {
    std::string reg = "REGEDIT4\r\n";
    std::string current;
    bool replaced = false;
    for (const RegistryWrite& write : writes) {
        std::string key = changes::KeyPath(write.hive, write.key);
        if (write.kind == RegistryWrite::Kind::DeleteKey) {
            reg += "\r\n[-" + key + "]\r\n";
            current.clear();
            continue;
        }
        if (write.kind == RegistryWrite::Kind::CreateKey && ReplacedWhole(write) && !replaced) {
            reg += "\r\n[-" + key + "]\r\n";
            current.clear();
            replaced = true;
        }
        if (!SameName(key, current)) {
            reg += "\r\n[" + key + "]\r\n";
            current = key;
        }
        std::string name = write.name.empty() ? "@" : RegQuoted(write.name);
        if (write.kind == RegistryWrite::Kind::SetValue)
            reg += name + "=" + RegData(write, codec) + "\r\n";
        else if (write.kind == RegistryWrite::Kind::DeleteValue)
            reg += name + "=-\r\n";
    }
    return reg + "\r\n";
}

changes::JobReport WritePolicyFiles(core::Context& context, platform::RegistryApi& api,
                                    const platform::AnsiCodec& codec, const std::string& file,
                                    const std::string& folder) {
    changes::RecordedWrites recorder(api, codec);
    RegistryAccess recording(recorder, codec);
    platform::RecordedDialogs said;
    // The object restricts the users it is linked to: the blocking companion starts for them
    // from the object's own Run key, never for every account of every computer.
    core::ProgramValues values = context.values;
    values.target = {core::TargetKind::NonAdministrators, ""};
    core::Context dryRun{recording, said,           context.files,    context.pictures,
                         values,    context.target, context.accounts, context.services};
    // A domain's object holds the allow-list's rules as the computer's own object would.
    std::vector<grouppolicy::PolicyEntry> rules;
    ImportStatus status = transfer::ImportFile(
        dryRun, file, {.takeBackup = false, .blockListFile = false, .computerRules = &rules});
    std::string facts;
    // The report is one line of a log: a message's line breaks become blanks.
    for (const auto& message : said.messages)
        if (message.style != platform::style::Information)
            for (char c : " " + message.text)
                if (c != '\r') facts += c == '\n' ? ' ' : c;
    if (status == ImportStatus::NoFile)
        return {exit_code::Unreadable,
                "O arquivo " + file + " não pôde ser lido; nada foi gravado."};
    if (status == ImportStatus::NotAConfiguration) return {exit_code::Unreadable, facts.substr(1)};

    const std::string user = InFolder(folder, "User"), machine = InFolder(folder, "Machine");
    const std::vector<std::pair<std::string, std::string>> files = {
        {InFolder(user, "Registry.pol"), RegistryPolicyFile(recorder.writes, Hive::CurrentUser)},
        {InFolder(machine, "Registry.pol"),
         RegistryPolicyFile(recorder.writes, Hive::LocalMachine, rules)},
        {InFolder(folder, "Quarvel.reg"), codec.ToAnsi(RegFile(recorder.writes, codec))},
    };
    if (!context.files.CreateFolder(user) || !context.files.CreateFolder(machine) ||
        !WriteAllOrNone(context.files, files))
        return {exit_code::Partial, "Não foi possível gravar os arquivos de política em " + folder +
                                        "; nenhum arquivo foi gravado."};
    std::string report = "Arquivos de política gravados em " + folder +
                         ": User\\Registry.pol, Machine\\Registry.pol e Quarvel.reg.";
    bool blockList = false, lockCode = false;
    for (const RegistryWrite& write : recorder.writes) {
        bool set = write.kind == RegistryWrite::Kind::SetValue;
        blockList |= set && write.name == restrictions::block_list::kLogonEntry;
        lockCode |= set && write.name == core::kLockCode && !write.text.empty();
    }
    // A domain's policy files lie where every user of the domain can read them.
    if (lockCode)
        report +=
            " O código-trava vai em Machine\\Registry.pol, que todo usuário do domínio pode ler: "
            "exporte sem o grupo 9 se ele não deve ser visto.";
    if (blockList)
        report +=
            " A lista de pastas/janelas (restt.qvn) não cabe num arquivo de registro: copie "
            "restt.qvn para a pasta do Quarvel em cada computador com a mesma política, ou rode "
            "Quarvel.exe /importar num script de inicialização.";
    if (!rules.empty())
        report +=
            " As regras da lista fora do Explorer vão em Machine\\Registry.pol: no objeto, ponha o "
            "serviço Identidade do Aplicativo (AppIDSvc) como automático (Serviços do Sistema).";
    return {status == ImportStatus::Done ? exit_code::Done : exit_code::Partial, report + facts};
}

}  // namespace policyoutput
