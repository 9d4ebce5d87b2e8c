#include "core/Target.h"

#include <algorithm>

#include "core/Context.h"
#include "core/Settings.h"
#include "grouppolicy/PolicyObject.h"

namespace core {
namespace {

constexpr std::string_view kTitle = "Quarvel";
constexpr std::string_view kRememberedEveryone = "comuns", kRememberedMe = "eu";
// SYSTEM, LocalService and NetworkService.
constexpr std::string_view kServiceSids[] = {"S-1-5-18", "S-1-5-19", "S-1-5-20"};

// The domain part of an account's SID: all but its last number.
std::string DomainOf(const std::string& sid) {
    return sid.substr(0, sid.rfind('-'));
}

// Windows documents per-account local objects for the computer's own
// accounts (a Microsoft account signed in here has one of their SIDs), not
// for a domain's or Azure AD's (S-1-12-1-...).
bool OfThisComputer(const std::string& sid, platform::Accounts& accounts) {
    std::string domain = accounts.ComputerDomain();
    if (!domain.empty()) return DomainOf(sid) == domain;
    std::vector<platform::Account> local = accounts.Local();
    return std::any_of(local.begin(), local.end(), [&](const platform::Account& account) {
        return DomainOf(account.sid) == DomainOf(sid);
    });
}

}  // namespace

std::string TargetCaption(const Target& target) {
    switch (target.kind) {
        case TargetKind::NonAdministrators:
            return "Usuários comuns";
        case TargetKind::Account:
            return "Conta " + target.account;
        case TargetKind::ThisAccount:
            break;
    }
    return "Esta conta (" + target.account + ")";
}

TargetChoice ChooseTarget(Context& context, TargetKind kind, const std::string& account) {
    platform::Accounts& accounts = context.accounts;
    if (kind == TargetKind::ThisAccount) {
        context.target.UseObject("");
        context.values.target = {kind, accounts.Running().name};
        return TargetChoice::Chosen;
    }
    if (!accounts.HasPolicyObjectsPerAccount()) {
        context.dialogs.ShowMessage(
            "Este Windows não tem políticas locais por conta (elas existem do Windows Vista em "
            "diante): as configurações só podem ir para esta conta.",
            std::string(kTitle), platform::style::Critical);
        return TargetChoice::NotOnThisWindows;
    }
    std::string sid(grouppolicy::kNonAdministrators);
    if (kind == TargetKind::Account) {
        auto found = accounts.SidOf(account);
        if (!found) {
            context.dialogs.ShowMessage(
                "Não há conta local chamada \"" + account + "\" neste computador; nada foi mudado.",
                std::string(kTitle), platform::style::Critical);
            return TargetChoice::UnknownAccount;
        }
        if (!OfThisComputer(*found, accounts)) {
            context.dialogs.ShowMessage(
                "A conta \"" + account +
                    "\" não é deste computador (é de um domínio ou do Azure AD): o Windows só "
                    "aplica as políticas locais por conta às contas do próprio computador. Use "
                    "a Política de Grupo do domínio (Quarvel.exe /politicas); nada foi mudado.",
                std::string(kTitle), platform::style::Critical);
            return TargetChoice::NotOfThisComputer;
        }
        sid = *found;
    }
    if (accounts.IsHomeEdition() && !context.values.homeEditionTold) {
        context.values.homeEditionTold = true;
        context.dialogs.ShowMessage(
            "Esta edição do Windows não tem o Editor de Política de Grupo local, e não é certo "
            "que ela aplique as políticas locais por conta. As configurações serão gravadas "
            "assim mesmo.",
            std::string(kTitle), platform::style::Exclamation);
    }
    context.target.UseObject(grouppolicy::ObjectFolder(accounts.System32(), sid));
    context.values.target = {kind, kind == TargetKind::Account ? account : std::string()};
    return TargetChoice::Chosen;
}

void RememberTarget(Context& context) {
    const Target& target = context.values.target;
    std::string_view remembered = target.kind == TargetKind::NonAdministrators ? kRememberedEveryone
                                  : target.kind == TargetKind::Account         ? target.account
                                                                               : kRememberedMe;
    // A preference: a refusal changes nothing the user asked for.
    context.registry.SetValue(Hive::CurrentUser, kCurrentVersion, kRememberedTarget, remembered,
                              ValueType::String);
}

void ChooseRememberedTarget(Context& context) {
    std::string remembered =
        context.registry.GetValue(Hive::CurrentUser, kCurrentVersion, kRememberedTarget);
    TargetChoice choice = TargetChoice::UnknownAccount;
    if (remembered == kRememberedEveryone)
        choice = ChooseTarget(context, TargetKind::NonAdministrators);
    else if (!remembered.empty() && remembered != kRememberedMe)
        choice = ChooseTarget(context, TargetKind::Account, remembered);
    // An account since removed has been said; the menus go on with this one.
    if (choice != TargetChoice::Chosen) ChooseTarget(context, TargetKind::ThisAccount);
}

bool IsAdministrator(Context& context, const std::string& account) {
    for (const platform::Account& local : context.accounts.Local())
        if (local.name == account) return local.administrator;
    return false;
}

bool OnlyInTheAccountItself(Context& context, const std::string& reason) {
    const Target& target = context.values.target;
    if (!target.IsPolicyObject()) return false;
    // Quarvel asks for an administrator: an ordinary account cannot run it.
    std::string advice =
        target.kind == TargetKind::NonAdministrators
            ? " Isso só se faz dentro de cada conta, e as contas comuns não rodam o Quarvel (ele "
              "pede um administrador): faça-o pelo próprio Windows em cada conta"
        : !IsAdministrator(context, target.account)
            ? " Isso só se faz dentro da conta, e ela não roda o Quarvel (não é de um "
              "administrador): faça-o pelo próprio Windows nessa conta"
            : " Entre nessa conta e use o Quarvel nela";
    context.dialogs.ShowMessage("Isto não pode ser feito para " + TargetCaption(target) + ": " +
                                    reason + advice + "; nada foi mudado.",
                                std::string(kTitle), platform::style::Exclamation);
    return true;
}

bool RunsAsService(Context& context) {
    std::string sid = context.accounts.Running().sid;
    for (std::string_view service : kServiceSids)
        if (sid == service) return true;
    return false;
}

}  // namespace core
