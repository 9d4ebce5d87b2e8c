#include "restrictions/frmRestF.h"

#include "core/AccessTrust.h"
#include "core/ObjectFile.h"
#include "core/PolicyObjects.h"
#include "core/StorableText.h"
#include "restrictions/BlockList.h"

namespace restrictions {
namespace {

using forms::Label;

forms::Rect ButtonAt(int column) {
    return {12 + column * 132, 300, 120, 28};
}

}  // namespace

frmRestF::frmRestF(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmRestF", "Bloquear Pastas/Janelas", 420, 340),
      Label2(*this, "Label2", {12, 12, 396, 18}, "Inserir nome da pasta/janela:"),
      Text1(*this, "Text1", {12, 34, 396, 208}, {.multiLine = true, .noWrap = true}),
      Label1(*this, "Label1", {12, 248, 396, 46}, ""),
      Label4(*this, "Label4", ButtonAt(0), "Bloquear", Label::Look::Button),
      Label5(*this, "Label5", ButtonAt(1), "Desbloquear", Label::Look::Button),
      Label6(*this, "Label6", ButtonAt(2), "Atuais", Label::Look::Button),
      context_(context) {
    Label4.onClick = [this] { Bloquear_Click(); };
    Label5.onClick = [this] { Desbloquear_Click(); };
    Label6.onClick = [this] { Atuais_Click(); };
}

std::string frmRestF::FilePath() const {
    return block_list::FilePath(context_.values.baseFolder);
}

// Who else starts the blocking companion at logon, and so uses the one list.
std::vector<std::string> frmRestF::OtherUsers() {
    const core::Target& target = context_.values.target;
    std::vector<std::string> users;
    if (target.IsPolicyObject() && ComputerWideEntry())
        users.push_back(
            "Esta conta (a entrada de HKEY_LOCAL_MACHINE, que vale para todas as contas)");
    for (const core::HeldObject& object : core::LocalObjects(context_))
        if ((object.target.kind != target.kind || object.target.account != target.account) &&
            core::Sets(object, block_list::kPolicyRunKey, block_list::kLogonEntry))
            users.push_back(core::TargetCaption(object.target));
    return users;
}

bool frmRestF::ComputerWideEntry() {
    return context_.registry.ValueExists(Hive::LocalMachine, block_list::kRunKey,
                                         block_list::kLogonEntry);
}

void frmRestF::Load() {
    std::string note =
        "A lista é uma só para o computador: vale para todo destino cujo logon inicia o bloqueio.";
    if (context_.values.target.IsPolicyObject() && ComputerWideEntry())
        note +=
            " A entrada TvalueT de HKEY_LOCAL_MACHINE (de \"Bloquear\" em Esta conta) já o "
            "inicia para todas as contas, administradores inclusive.";
    Label1.SetCaption(note);
    Atuais_Click();
}

void frmRestF::Atuais_Click() {
    // A missing or unreadable file leaves the box as it is; a readable one
    // replaces it, so that nothing shows (and is then written) twice.
    if (auto stored = block_list::Read(context_.files, FilePath()))
        longValues_.Fill(Text1, *stored, block_list::kBoxLimit);
    longValues_.Report(context_.dialogs);
}

void frmRestF::Bloquear_Click() {
    std::string path = FilePath();
    // A name written with '?' in it would never match the window it names.
    const std::string& list = longValues_.Value(Text1);
    if (!core::CheckStorable(context_.registry, context_.dialogs, block_list::kBoxLimit.what,
                             {list}))
        return;
    if (!block_list::Write(context_.files, path, list)) {
        context_.dialogs.ShowMessage("Não foi possível gravar a lista de pastas/janelas em " +
                                         path +
                                         ". A lista anterior foi mantida e nada foi bloqueado.",
                                     "Erro", platform::style::Critical);
        return;
    }
    if (!core::MayStartAtLogon(context_.files, context_.dialogs, block_list::kCompanion,
                               block_list::kLogonEntry, "Erro"))
        return;
    if (!block_list::SetLogonEntry(context_.registry, context_.files, context_.values.target))
        return core::ShowNotStored(
            context_, "a entrada de logon que inicia o bloqueio (TvalueT)",
            "a lista foi gravada, mas nada será bloqueado no próximo logon.");
    context_.dialogs.ShowMessage("Restrições aplicadas com sucesso", "Quarvel",
                                 platform::style::Information);
}

void frmRestF::Desbloquear_Click() {
    // Deleting the computer's one list would silently unblock the others.
    std::vector<std::string> others = OtherUsers();
    if (!others.empty()) {
        std::string named;
        for (const std::string& other : others) named += (named.empty() ? "" : "; ") + other;
        context_.dialogs.ShowMessage(
            "A lista de pastas/janelas é uma só para o computador, e o logon de outro destino "
            "ainda a usa: " +
                named +
                ". Desbloqueie também nesse destino (\"Destino...\") e depois aqui; nada foi "
                "mudado.",
            "Quarvel", platform::style::Exclamation);
        return;
    }
    // A missing file or logon entry is no error: the goal is that neither is there.
    context_.files.Delete(FilePath());
    bool stopped = block_list::RemoveLogonEntry(context_.registry, context_.values.target);
    if (context_.files.Exists(FilePath()) || !stopped)
        return core::ShowNotStored(context_, "o desbloqueio",
                                   "o Windows recusou a remoção da lista ou da entrada de logon.");
    context_.dialogs.ShowMessage(
        "As alterações foram efetuadas com sucesso, reinicie o seu computador", "Quarvel",
        platform::style::Information);
}

}  // namespace restrictions
