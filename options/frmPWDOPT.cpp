#include "options/frmPWDOPT.h"

#include "core/LockCode.h"
#include "core/Settings.h"
#include "core/StorableText.h"

namespace options {

using forms::Label;

frmPWDOPT::frmPWDOPT(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmPWDOPT", "Controle de Senhas", 300, 150),
      Label1(*this, "Label1", {16, 16, 96, 18}, "Senha atual:"),
      Text1(*this, "Text1", {116, 14, 168, 22}, {.password = true}),
      Label2(*this, "Label2", {16, 52, 96, 18}, "Nova senha:"),
      Text2(*this, "Text2", {116, 50, 168, 22}, {.password = true}),
      Label3(*this, "Label3", {56, 100, 88, 28}, "Aplicar", Label::Look::Button),
      Label4(*this, "Label4", {156, 100, 88, 28}, "Cancelar", Label::Look::Button),
      context_(context) {
    Label3.onClick = [this] { Aplicar_Click(); };
    Label4.onClick = [this] { Cancelar_Click(); };
    acceptControl = &Label3;
    cancelControl = &Label4;
}

void frmPWDOPT::Aplicar_Click() {
    const std::string current = core::ReadLockCode(context_.registry);
    const std::string& typedCurrent = Text1.text();
    const std::string& typedNew = Text2.text();
    auto success = [this](const char* text) {
        context_.dialogs.ShowMessage(text, "Sucesso", platform::style::Information);
    };
    if (current.empty()) {
        if (Store(typedNew)) success("Sua código-trava foi configurado com sucesso");
        return;
    }
    // Exact comparison, letter case included: the gate compares the same way.
    if (typedCurrent != current) {
        context_.dialogs.ShowMessage("O código digitado está errado", "Erro",
                                     platform::style::Information);
        return;
    }
    if (typedNew.empty()) {
        if (Store("")) success("O código trava foi retirado do seu sistema");
        return;
    }
    if (Store(typedNew)) success("O código trava foi alterado com sucesso!");
}

void frmPWDOPT::Cancelar_Click() {
    Unload();
}

bool frmPWDOPT::Store(const std::string& code) {
    RegistryAccess& registry = context_.registry;
    platform::Dialogs& dialogs = context_.dialogs;
    // A code stored with '?' in it could never be typed at the gate again.
    if (!core::CheckStorable(registry, dialogs, "o código-trava", {code})) return false;
    auto old = registry.Snapshot(Hive::LocalMachine, core::kCurrentVersion, core::kLockCode);
    RegistryStatus status = core::WriteLockCode(registry, code);
    if (core::ReadLockCode(registry) == code) return true;
    // A code that does not read back as typed leaves the computer either
    // unprotected or locked with a code nobody knows: put the old one back,
    // type included, and say what happened.
    std::string why = status != 0
                          ? "o Windows recusou a gravação (erro " + std::to_string(status) + ")"
                          : "o código gravado não é lido de volta como foi digitado";
    registry.Restore(Hive::LocalMachine, core::kCurrentVersion, core::kLockCode, old);
    bool restored =
        registry.Snapshot(Hive::LocalMachine, core::kCurrentVersion, core::kLockCode) == old;
    core::ShowNotStored(dialogs, "o código-trava",
                        why + (restored ? ". O código anterior continua valendo."
                                        : ", e o código anterior não pôde ser reposto. Defina "
                                          "o código-trava de novo antes de sair."));
    return false;
}

}  // namespace options
