#include "commandline/CommandJobs.h"

#include <cstdio>
#include <map>

#include "commandline/CommandLine.h"
#include "core/BaseFolder.h"
#include "core/LockCode.h"
#include "core/ObjectFile.h"
#include "policyoutput/PolicyFiles.h"
#include "registry/RegistryAccess.h"
#include "transfer/ConfigExport.h"
#include "transfer/ConfigImport.h"
#include "undo/Backup.h"

namespace commandline {
namespace {

namespace exit_code = changes::exit_code;
using changes::ImportStatus;
using changes::RegistryWrite;
using Outcome = changes::JobReport;

// The messages the screens would have shown, on one line.
std::string Facts(const platform::RecordedDialogs& dialogs) {
    std::string facts;
    for (const auto& message : dialogs.messages) {
        std::string text;
        for (std::size_t i = 0; i < message.text.size(); ++i) {
            if (message.text.compare(i, 2, "\r\n") == 0) {
                text += text.ends_with(':') ? " " : ", ";
                ++i;
            } else {
                text += message.text[i];
            }
        }
        if (!facts.empty()) facts += ' ';
        facts += text;
        if (!text.ends_with('.')) facts += '.';
    }
    return facts;
}

Outcome FromImport(ImportStatus status, const std::string& file,
                   const platform::RecordedDialogs& dialogs) {
    switch (status) {
        case ImportStatus::Done:
        case ImportStatus::Unchanged:
            return {exit_code::Done, Facts(dialogs)};
        case ImportStatus::Partial:
        case ImportStatus::NoBackup:
            return {exit_code::Partial, Facts(dialogs)};
        case ImportStatus::NoFile:
            return {exit_code::Unreadable,
                    "O arquivo " + file + " não pôde ser lido; nada foi importado."};
        case ImportStatus::NotAConfiguration:
        case ImportStatus::Refused:
        case ImportStatus::NothingPutBack:
            return {exit_code::Unreadable, Facts(dialogs)};
        case ImportStatus::NothingToUndo:
            return {exit_code::NothingToUndo, Facts(dialogs)};
    }
    return {exit_code::Partial, Facts(dialogs)};
}

Outcome Export(const CommandLine& command, core::Context& context) {
    std::vector<transfer::ExportGroup> groups;
    for (int number : command.groups) groups.push_back(transfer::kExportGroups[number - 1].group);
    std::string content = transfer::CollectFile(context, groups);
    if (content.empty())
        return {exit_code::Partial,
                "Nada foi exportado: os grupos escolhidos não têm configurações a gravar."};
    if (!context.files.WriteText(command.file, content))
        return {exit_code::Partial, "Erro ao gravar o arquivo " + command.file + "."};
    return {exit_code::Done, "O Arquivo de configurações foi gerado com sucesso!"};
}

struct Seams {
    platform::RegistryApi& api;
    const platform::AnsiCodec& codec;
    const ReadAhead& readAhead;
};

Outcome Run(const CommandLine& command, core::Context& context, platform::RecordedDialogs& dialogs,
            const Seams& seams) {
    if (!ChooseCommandTarget(command.target, context))
        return {exit_code::WrongCommandLine, Facts(dialogs)};
    // A damaged object read as "nothing set" would export, or undo into, no restriction at all.
    if (auto damaged = core::DamagedObject(context); damaged && command.job != Job::Policies)
        return {exit_code::Unreadable, *damaged};
    // A start-up script runs as SYSTEM: its own settings restrict nobody.
    if (command.job == Job::Import && !command.target && core::RunsAsService(context))
        return {exit_code::WrongCommandLine,
                "O Quarvel roda como conta de serviço do Windows (" +
                    context.accounts.Running().name +
                    "): importar para ela não restringe ninguém; nada foi importado. Use "
                    "/para:comuns (todos que não são administradores) ou /para:NOME (uma conta "
                    "local)."};
    // The lock code stops a passer-by at the gate; the command line is no
    // way around it.
    std::string stored = core::ReadLockCode(context.registry);
    // Undo also opens with the code before the import it takes back: a file
    // that carried another lab's code must not lock the administrator out.
    auto opens = [&](const std::string& code) { return code.empty() || command.lockCode == code; };
    if (!opens(stored) &&
        !(command.job == Job::Undo && opens(undo::LockCodeBeforeImport(context).value_or(stored))))
        return {exit_code::LockCode, "Código-trava ausente ou errado; nada foi feito."};
    context.values.baseFolder = core::BaseFolder(context.registry, context.files);
    switch (command.job) {
        case Job::Import: {
            transfer::ImportOptions options;
            // The comparison reads every value the file writes: those of each key
            // at once, where that is possible.
            if (seams.readAhead)
                options.beforeComparing = [&](const std::vector<RegistryWrite>& writes) {
                    std::map<std::pair<Hive, std::string>, std::vector<std::string>> keys;
                    for (const RegistryWrite& write : writes)
                        if (write.kind == RegistryWrite::Kind::SetValue ||
                            write.kind == RegistryWrite::Kind::DeleteValue)
                            keys[{write.hive, write.key}].push_back(write.name);
                    for (const auto& [key, names] : keys)
                        if (names.size() > 4) seams.readAhead(key.first, key.second, names);
                };
            return FromImport(transfer::ImportFile(context, command.file, options), command.file,
                              dialogs);
        }
        case Job::Undo:
            return FromImport(undo::UndoLastImport(context), "", dialogs);
        case Job::Export:
            return Export(command, context);
        case Job::Policies:
            return policyoutput::WritePolicyFiles(context, seams.api, seams.codec, command.file,
                                                  command.folder);
        case Job::Usage:
        case Job::Menus:
            break;
    }
    return {exit_code::Done, ""};
}

std::string Operation(const std::vector<std::string>& arguments, bool wrongLine) {
    std::string line = "Quarvel.exe";
    for (const std::string& argument : arguments) {
        std::string shown = ShownInLog(argument, wrongLine);  // a lock code never goes into a log
        bool quote = shown.find(' ') != std::string::npos;
        line += ' ';
        line += quote ? "\"" + shown + "\"" : shown;
    }
    return line;
}

std::string Stamp(const platform::LocalTime& t) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return stamp;
}

}  // namespace

bool ChooseCommandTarget(const std::optional<std::string>& target, core::Context& context) {
    core::TargetChoice choice =
        !target || SameName(*target, kTargetMe)
            ? core::ChooseTarget(context, core::TargetKind::ThisAccount)
        : SameName(*target, kTargetEveryone)
            ? core::ChooseTarget(context, core::TargetKind::NonAdministrators)
            : core::ChooseTarget(context, core::TargetKind::Account, *target);
    return choice == core::TargetChoice::Chosen;
}

int RunCommandLine(const std::vector<std::string>& arguments, core::Context& context,
                   platform::RecordedDialogs& dialogs, platform::Console& console,
                   platform::RegistryApi& api, const platform::AnsiCodec& codec,
                   const ReadAhead& readAhead) {
    ParsedCommandLine parsed = ParseCommandLine(arguments);
    Outcome outcome;
    if (!parsed.command) {
        outcome = {exit_code::WrongCommandLine, "Linha de comando errada: " + parsed.error +
                                                    "; nada foi feito. Veja Quarvel.exe /?"};
    } else if (parsed.command->job == Job::Usage) {
        console.Write(kUsage);
        return exit_code::Done;
    } else {
        // A job writes a policy object's file once, at its end; Windows applies
        // the object again only when its version has grown.
        context.target.Defer(true);
        outcome = Run(*parsed.command, context, dialogs, {api, codec, readAhead});
        // Whatever else happened, nothing reaches the accounts when the object
        // itself was not written: that comes first.
        if (!context.target.Commit()) {
            // The object's values were never written, so the import did not succeed.
            constexpr std::string_view kSuccess = "Configurações importadas com sucesso";
            std::string rest = outcome.facts;
            if (rest.starts_with(kSuccess))
                rest = "O que é do computador foi gravado" + rest.substr(kSuccess.size());
            outcome = {outcome.code == exit_code::Done ? exit_code::Partial : outcome.code,
                       "Não foi possível gravar " + context.target.NotWritten() +
                           ": o Windows não aplicará estas mudanças às contas do destino. " + rest};
        }
    }
    std::string line = outcome.facts + " (código " + std::to_string(outcome.code) + ")";
    // The log is a start-up script's only witness: one that cannot be kept is said.
    if (!parsed.log.empty() &&
        !context.files.AppendText(parsed.log, Stamp(context.files.Now()) + " " +
                                                  Operation(arguments, !parsed.command) + ": " +
                                                  line + "\r\n"))
        line += " O registro desta execução não pôde ser gravado em " + parsed.log + ".";
    console.Write(line + "\r\n");
    return outcome.code;
}

}  // namespace commandline
