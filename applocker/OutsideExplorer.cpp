#include "applocker/OutsideExplorer.h"

#include <algorithm>

#include "core/Settings.h"
#include "grouppolicy/GptIni.h"
#include "grouppolicy/PolicyObject.h"

namespace applocker {
namespace {

using platform::style::Critical;
using platform::style::Exclamation;

// Editions that enforce the rules before Windows 10 version 2004 lifted the
// edition check (GetProductInfo's product types).
constexpr unsigned kEnterprise[] = {0x04, 0x1B, 0x46, 0x48, 0x54, 0x7D, 0x7E, 0x81, 0x82};
constexpr unsigned kEducation[] = {0x79, 0x7A};
constexpr unsigned kUltimate[] = {0x01, 0x1C, 0x47};  // Windows 7 only
constexpr unsigned kFirstBuildForAll = 19041;         // Windows 10 version 2004

// Where Windows says its program folders are: both on 64-bit Windows, whichever
// view of the registry the program reads.
constexpr std::string_view kProgramFolderValues[] = {"ProgramFilesDir", "ProgramFilesDir (x86)",
                                                     "ProgramW6432Dir"};

template <std::size_t N>
bool OneOf(unsigned edition, const unsigned (&editions)[N]) {
    return std::find(std::begin(editions), std::end(editions), edition) != std::end(editions);
}

std::optional<std::string> TargetSid(core::Context& context) {
    const core::Target& target = context.values.target;
    switch (target.kind) {
        case core::TargetKind::NonAdministrators:
            return std::string(grouppolicy::kNonAdministrators);
        case core::TargetKind::Account:
            return context.accounts.SidOf(target.account);
        case core::TargetKind::ThisAccount:
            break;
    }
    return std::nullopt;
}

// Letter case and either separator aside, as Windows compares paths.
std::string Compared(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return Lowered(path) + "\\";
}

bool InProgramFolders(core::Context& context) {
    std::string program = Compared(context.files.ProgramFolder());
    for (std::string_view name : kProgramFolderValues) {
        std::string folder =
            context.registry.GetValue(Hive::LocalMachine, core::kCurrentVersion, name);
        if (!folder.empty() && program.starts_with(Compared(folder))) return true;
    }
    return false;
}

std::string FileOf(const std::string& folder) {
    return grouppolicy::MachinePolicyFile(folder);
}

std::optional<Entries> ReadEntries(platform::Files& files, const std::string& folder) {
    auto bytes = files.ReadBytes(FileOf(folder));
    if (!bytes && files.Exists(FileOf(folder))) return std::nullopt;
    return grouppolicy::ParsePolicyFile(bytes.value_or(std::string()));
}

bool WriteEntries(platform::Files& files, const std::string& folder, const Entries& entries) {
    std::string file = FileOf(folder);
    // Windows applies the object again only once its computer half has grown:
    // raised first, so that rules it would never apply are never written.
    std::string gpt = grouppolicy::GptIniFile(folder);
    auto text = files.ReadText(gpt);
    return files.CreateFolder(file.substr(0, file.rfind('\\'))) &&
           files.WriteText(gpt, grouppolicy::RaisedGptIni(text ? text->text : std::string(),
                                                          grouppolicy::kMachineHalf)) &&
           files.WriteBytes(file, grouppolicy::PolicyFileBytes(entries));
}

bool SetSwitch(RegistryAccess& registry, RegistryAccess& stored, std::string_view key,
               std::string_view name, int value, bool on) {
    if (on)
        return registry.CreateKey(Hive::CurrentUser, key) == 0 &&
               registry.SetValue(Hive::CurrentUser, key, name, value) == 0;
    // Only the option's own value goes: another value was someone else's choice.
    if (stored.GetValueText(Hive::CurrentUser, key, name) != std::to_string(value)) return true;
    RegistryStatus status = registry.DeleteValue(Hive::CurrentUser, key, name);
    return status == 0 || status == platform::status::FileNotFound;
}

}  // namespace

std::string NotOnThisWindows() {
    return "Este Windows não faz valer a lista fora do Explorer: é preciso o Windows 10 versão "
           "2004 ou mais novo, o Windows 11 ou uma edição Enterprise. Só o Gerenciador de "
           "Tarefas e o Prompt de Comando foram desligados.";
}

std::string NotAPolicyFile(const std::string& folder) {
    return "O arquivo " + FileOf(folder) +
           " não é um arquivo Registry.pol válido: nada foi lido nem gravado nele, e a lista não "
           "vale fora do Explorer.";
}

std::string NotWritten(const std::string& folder) {
    return "Não foi possível gravar " + FileOf(folder) + " e " + grouppolicy::GptIniFile(folder) +
           ": a lista não vale fora do Explorer.";
}

bool Enforces(const platform::WindowsVersion& windows) {
    if (windows.major < 6 || (windows.major == 6 && windows.minor < 1)) return false;
    if (windows.server) return true;
    if (windows.major >= 10 && windows.build >= kFirstBuildForAll) return true;
    if (OneOf(windows.edition, kEnterprise)) return true;
    if (windows.major >= 10) return OneOf(windows.edition, kEducation);
    return windows.major == 6 && windows.minor == 1 && OneOf(windows.edition, kUltimate);
}

std::optional<std::string> Refusal(core::Context& context) {
    std::optional<std::string> sid = TargetSid(context);
    if (!sid || (context.values.target.kind == core::TargetKind::Account &&
                 context.accounts.IsAdministrator(*sid)))
        return "Os administradores não ficam presos à lista: escolha \"Usuários comuns\" ou a "
               "conta de um aluno.";
    if (!InProgramFolders(context))
        return "Para valer fora do Explorer, o Quarvel precisa estar instalado em Arquivos de "
               "Programas (Program Files). Instale-o com o instalador.";
    return std::nullopt;
}

bool InForce(core::Context& context) {
    std::optional<std::string> sid = TargetSid(context);
    if (!sid) return false;
    // Where Windows enforces no rule, the option is the two switches.
    if (!Enforces(context.accounts.Windows()))
        return context.registry.GetValueText(Hive::CurrentUser, kTaskManagerKey, kTaskManager) ==
                   "1" &&
               context.registry.GetValueText(Hive::CurrentUser, kCommandPromptKey,
                                             kCommandPrompt) ==
                   std::to_string(kPromptOffScriptsRun);
    auto entries =
        ReadEntries(context.files, grouppolicy::MachineObjectFolder(context.accounts.System32()));
    return entries && HoldsTarget(*entries, *sid);
}

bool SetAccountSwitches(RegistryAccess& registry, bool on, RegistryAccess* stored) {
    RegistryAccess& now = stored ? *stored : registry;
    bool done = SetSwitch(registry, now, kTaskManagerKey, kTaskManager, 1, on);
    return SetSwitch(registry, now, kCommandPromptKey, kCommandPrompt, kPromptOffScriptsRun, on) &&
           done;
}

ComputerPlan PlanRules(core::Context& context, bool on, const std::vector<std::string>& listed) {
    ComputerPlan plan;
    plan.folder = grouppolicy::MachineObjectFolder(context.accounts.System32());
    auto entries = ReadEntries(context.files, plan.folder);
    plan.readable = entries.has_value();
    plan.before = entries.value_or(Entries());
    plan.after = plan.before;
    if (std::optional<std::string> sid = TargetSid(context); sid && plan.readable)
        plan.after = WithTarget(plan.before, {*sid, listed}, on, grouppolicy::kNonAdministrators);
    return plan;
}

bool WriteRules(core::Context& context, const ComputerPlan& plan) {
    return WriteEntries(context.files, plan.folder, plan.after);
}

bool PutOwnPartBack(core::Context& context, const Entries& part) {
    std::string folder = grouppolicy::MachineObjectFolder(context.accounts.System32());
    auto entries = ReadEntries(context.files, folder);
    if (!entries) return false;
    Entries after = WithOwnPart(*entries, part);
    return after == *entries || WriteEntries(context.files, folder, after);
}

std::optional<bool> RemoveAllRules(platform::Files& files, platform::Accounts& accounts) {
    std::string folder = grouppolicy::MachineObjectFolder(accounts.System32());
    auto entries = ReadEntries(files, folder);
    if (!entries) return false;
    Entries after = WithOwnPart(*entries, {});
    if (after == *entries) return std::nullopt;
    return WriteEntries(files, folder, after);
}

bool StartEnforcing(core::Context& context, const std::string& title, bool rulesInForce) {
    bool done = true;
    auto say = [&](const std::string& text) {
        context.dialogs.ShowMessage(text, title, Exclamation);
        done = false;
    };
    if (rulesInForce) {
        switch (context.services.StartAutomatically(std::string(kIdentityService))) {
            case platform::ServiceStart::NotAutomatic:
                say("As regras foram gravadas, mas o serviço Identidade do Aplicativo (AppIDSvc), "
                    "que as faz valer, não pôde ser posto para iniciar com o Windows: sem ele a "
                    "lista não vale fora do Explorer. Num Prompt de Comando de administrador: "
                    "sc.exe config appidsvc start= auto");
                break;
            case platform::ServiceStart::NotStarted:
                say("As regras foram gravadas e o serviço Identidade do Aplicativo (AppIDSvc) vai "
                    "iniciar com o Windows, mas não pôde ser iniciado agora: a lista vale fora do "
                    "Explorer a partir do próximo início do Windows.");
                break;
            case platform::ServiceStart::Running:
                break;
        }
    }
    if (!context.services.RefreshComputerPolicy())
        say("O Windows não pôde aplicar agora a política do computador: o que foi gravado vale a "
            "partir do próximo início do Windows (ou depois de gpupdate /force).");
    return done;
}

bool SetOption(core::Context& context, bool on, const std::vector<std::string>& listed,
               const std::string& title) {
    platform::Dialogs& dialogs = context.dialogs;
    if (on) {
        if (std::optional<std::string> why = Refusal(context)) {
            dialogs.ShowMessage(*why, title, Exclamation);
            return false;
        }
    }
    if (!SetAccountSwitches(context.registry, on)) {
        dialogs.ShowMessage(
            "O Windows recusou a gravação do Gerenciador de Tarefas e do Prompt de Comando "
            "desligados para " +
                core::TargetCaption(context.values.target) + ".",
            title, Critical);
        return false;
    }
    if (on && !Enforces(context.accounts.Windows())) {
        dialogs.ShowMessage(NotOnThisWindows(), title, Exclamation);
        return false;
    }
    ComputerPlan plan = PlanRules(context, on, listed);
    if (!plan.readable) {
        dialogs.ShowMessage(NotAPolicyFile(plan.folder), title, Critical);
        return false;
    }
    if (plan.Changes() && !WriteRules(context, plan)) {
        dialogs.ShowMessage(NotWritten(plan.folder), title, Critical);
        return false;
    }
    if (!on && !plan.Changes()) return true;
    return StartEnforcing(context, title, on);
}

}  // namespace applocker
