#include "companions/frmResgate.h"

#include "applocker/OutsideExplorer.h"
#include "companions/Rescue.h"
#include "forms/Screens.h"
#include "core/LockCode.h"
#include "core/PolicyObjects.h"

namespace companions {
namespace {
using forms::Label;
constexpr char kTitle[] = "Quarvel - Resgate";
}  // namespace

frmResgate::frmResgate(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmResgate", kTitle, 360, 236),
      lblProduct(*this, "lblProduct", {16, 8, 328, 40}, "Quarvel - Resgate"),
      lblInfo(*this, "lblInfo", {16, 52, 328, 64},
              "Desfaz as restrições do Quarvel nesta conta: libera a execução de "
              "programas, desliga as restrições do Windows e o bloqueio de pastas/janelas. "
              "As listas de programas e de pastas/janelas são mantidas."),
      lblCode(*this, "lblCode", {16, 124, 328, 18}, "Digite o seu código trava."),
      Text1(*this, "Text1", {16, 144, 328, 22}, {.password = true}),
      Label1(*this, "Label1", {16, 188, 200, 32}, "Desfazer restrições", Label::Look::Button),
      Label2(*this, "Label2", {228, 188, 116, 32}, "Cancelar", Label::Look::Button),
      context_(context) {
    lblProduct.SetFont({"Times New Roman", 18, true, true});
    Label1.onClick = [this] { Desfazer_Click(); };
    Label2.onClick = [this] { Cancelar_Click(); };
    acceptControl = &Label1;
    cancelControl = &Label2;
}

void frmResgate::Load() {
    // Without a lock code there is nothing to ask.
    bool asks = !core::ReadLockCode(context_.registry).empty();
    lblCode.SetVisible(asks);
    Text1.SetVisible(asks);
}

void frmResgate::Desfazer_Click() {
    std::string code = core::ReadLockCode(context_.registry);
    if (!code.empty() && Text1.text() != code) {
        core::ShowWrongCode(context_.dialogs);
        Unload();
        return;
    }
    std::vector<std::string> undone = LiftRestrictions(context_.registry);
    // The way out when the lock went wrong: every rule of the program goes, whoever it was for.
    if (std::optional<bool> removed =
            applocker::RemoveAllRules(context_.files, context_.accounts)) {
        undone.push_back(*removed ? "a lista deixou de valer fora do Explorer"
                                  : "a lista continua valendo fora do Explorer: não foi possível "
                                    "gravar a política do computador");
        if (*removed) context_.services.RefreshComputerPolicy();
    }
    std::string message = "Nenhuma restrição do Quarvel estava em vigor nesta conta.";
    if (!undone.empty()) {
        message = "Restrições desfeitas:";
        for (const std::string& line : undone) message += "\r\n- " + line;
        message += "\r\nAs alterações valem a partir do próximo logon.";
    }
    // The other accounts' restrictions are Windows' local policy, out of this account's reach.
    std::string still;
    for (const core::HeldObject& object : core::LocalObjects(context_))
        for (const auto& entry : object.entries)
            if (!entry.name.starts_with(u"**")) {
                still += "\r\n- " + core::TargetCaption(object.target) + " (" + object.folder + ")";
                break;
            }
    if (!still.empty())
        message += "\r\nAinda restringem, pela política local do Windows:" + still +
                   "\r\nPara desfazê-las, abra o Quarvel, escolha esse destino em \"Destino...\" "
                   "e desmarque as restrições, ou apague a pasta do objeto.";
    context_.dialogs.ShowMessage(message, kTitle, platform::style::Information);
    Unload();
}

void frmResgate::Cancelar_Click() {
    Unload();
}

}  // namespace companions
