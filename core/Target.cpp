#include "core/Target.h"

#include "core/Context.h"
#include "grouppolicy/PolicyObject.h"

namespace core {
namespace {

constexpr std::string_view kTitle = "Quarvel";
// SYSTEM, LocalService and NetworkService.
constexpr std::string_view kServiceSids[] = {"S-1-5-18", "S-1-5-19", "S-1-5-20"};

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

bool OnlyInTheAccountItself(Context& context, const std::string& reason) {
    const Target& target = context.values.target;
    if (!target.IsPolicyObject()) return false;
    context.dialogs.ShowMessage("Isto não pode ser feito para " + TargetCaption(target) + ": " +
                                    reason +
                                    " Entre nessa conta e use o Quarvel nela; nada foi mudado.",
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
