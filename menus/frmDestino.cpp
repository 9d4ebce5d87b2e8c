#include "menus/frmDestino.h"

#include <algorithm>

#include "forms/Screens.h"
#include "menus/frmWizrd3.h"
#include "menus/frnINI.h"

namespace menus {
namespace {

constexpr int kWidth = 440;
constexpr int kThisAccountRow = 0;
constexpr int kNonAdministratorsRow = 1;
constexpr std::string_view kNonAdministrators =
    "Usuários comuns (todos que não são administradores)";

constexpr std::string_view kAdministratorMark = " (administrador)";

std::string Explanation(const std::string& loggedOn, const std::string& running) {
    if (loggedOn.empty()) return "De quem são as configurações que o Quarvel mostra e grava?";
    return "O Windows está com a conta \"" + loggedOn + "\" aberta, mas o Quarvel roda como \"" +
           running + "\": o que ele gravar restringe \"" + running + "\", não \"" + loggedOn +
           "\". De quem são as configurações?";
}

}  // namespace

std::string WithTarget(const std::string& caption, const core::Context& context) {
    return caption + " - " + core::TargetCaption(context.values.target);
}

frmDestino::frmDestino(forms::Screens& screens, core::Context& context, std::string loggedOn)
    : Form(screens, "frmDestino", "Destino das configurações", kWidth, 330),
      Label1(*this, "Label1", {12, 10, kWidth - 24, 48}, ""),
      List1(*this, "List1", {12, 62, kWidth - 24, 160}),
      Label2(*this, "Label2", {12, 228, kWidth - 24, 48},
             "Usuários comuns e contas locais recebem as configurações como política local do "
             "Windows, no próximo logon de cada conta."),
      Command1(*this, "Command1", {kWidth - 212, 284, 96, 28}, "OK"),
      Command2(*this, "Command2", {kWidth - 108, 284, 96, 28}, "Cancelar"),
      context_(context),
      loggedOn_(std::move(loggedOn)) {
    acceptControl = &Command1;
    cancelControl = &Command2;
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void frmDestino::Load() {
    platform::Accounts& accounts = context_.accounts;
    platform::Account running = accounts.Running();
    Label1.SetCaption(Explanation(loggedOn_, running.name));
    const core::Target& target = context_.values.target;
    // The running account's own object is a target of its own, unlike "Esta conta".
    bool ownObject = target.kind == core::TargetKind::Account && target.account == running.name;
    std::vector<std::string> shown;
    // A disabled account logs on to nothing: restricting it would restrict nobody.
    for (const platform::Account& account : accounts.Local())
        if (!account.disabled && (account.sid != running.sid || ownObject)) {
            accounts_.push_back(account.name);
            shown.push_back(account.name +
                            (account.administrator ? std::string(kAdministratorMark) : ""));
        }
    if (!loggedOn_.empty() &&
        std::find(accounts_.begin(), accounts_.end(), loggedOn_) == accounts_.end())
        accounts_.push_back(loggedOn_), shown.push_back(loggedOn_);
    std::vector<std::string> rows = {"Esta conta (" + running.name + ")",
                                     std::string(kNonAdministrators)};
    rows.insert(rows.end(), shown.begin(), shown.end());
    List1.SetItems(rows);
    std::string chosen = loggedOn_.empty() ? target.account : loggedOn_;
    auto row = std::find(accounts_.begin(), accounts_.end(), chosen);
    if ((target.kind == core::TargetKind::Account || !loggedOn_.empty()) && row != accounts_.end())
        List1.SetListIndex(static_cast<int>(row - accounts_.begin()) + 2);
    else
        List1.SetListIndex(target.kind == core::TargetKind::NonAdministrators
                               ? kNonAdministratorsRow
                               : kThisAccountRow);
}

void frmDestino::Command1_Click() {
    int row = List1.listIndex();
    if (row < 0) return;
    // Restricting an administrator may lock out the one who runs the computer.
    if (row > kNonAdministratorsRow &&
        core::IsAdministrator(context_, accounts_[static_cast<std::size_t>(row - 2)]) &&
        !context_.dialogs.Ask("\"" + accounts_[static_cast<std::size_t>(row - 2)] +
                                  "\" é uma conta de administrador: restringi-la pode tirar dela "
                                  "o acesso ao Quarvel e ao próprio Windows. Usar essa conta como "
                                  "destino assim mesmo?",
                              "Quarvel"))
        return;
    core::TargetChoice choice =
        row == kThisAccountRow ? core::ChooseTarget(context_, core::TargetKind::ThisAccount)
        : row == kNonAdministratorsRow
            ? core::ChooseTarget(context_, core::TargetKind::NonAdministrators)
            : core::ChooseTarget(context_, core::TargetKind::Account,
                                 accounts_[static_cast<std::size_t>(row - 2)]);
    if (choice != core::TargetChoice::Chosen) return;
    core::RememberTarget(context_);
    // A screen still open shows the settings of the target before: it goes,
    // so that nothing it shows is applied to the new one.
    std::vector<forms::Form*> stale;
    for (const auto& form : screens().open())
        if (form.get() != this && !dynamic_cast<frnINI*>(form.get()) &&
            !dynamic_cast<frmWizrd3*>(form.get()))
            stale.push_back(form.get());
    for (forms::Form* form : stale) screens().Close(*form);
    if (frnINI* menu = screens().Find<frnINI>()) menu->ShowTarget();
    if (frmWizrd3* wizard = screens().Find<frmWizrd3>()) wizard->ShowTarget();
    Unload();
}

void frmDestino::Command2_Click() {
    Unload();
}

}  // namespace menus
