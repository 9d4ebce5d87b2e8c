#include "restrictions/frmRestF.h"

#include "core/ObjectFile.h"
#include "restrictions/BlockList.h"
#include "core/StorableText.h"

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
      Text1(*this, "Text1", {12, 34, 396, 254}, {.multiLine = true, .noWrap = true}),
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

void frmRestF::Load() {
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
    if (!block_list::SetLogonEntry(context_.registry, context_.files, context_.values.target))
        return core::ShowNotStored(
            context_, "a entrada de logon que inicia o bloqueio (TvalueT)",
            "a lista foi gravada, mas nada será bloqueado no próximo logon.");
    context_.dialogs.ShowMessage("Restrições aplicadas com sucesso", "Quarvel",
                                 platform::style::Information);
}

void frmRestF::Desbloquear_Click() {
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
