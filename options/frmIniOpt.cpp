#include "options/frmIniOpt.h"

#include "core/ObjectFile.h"
#include "core/Settings.h"
#include "core/StorableText.h"

namespace options {

using forms::Label;
using forms::SysColor;

frmIniOpt::frmIniOpt(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmIniOpt", "Opções de Inicialização", 360, 170),
      Label1(*this, "Label1", {16, 12, 328, 18}, "Entrar no modo Assistente ou normal?"),
      Label2(*this, "Label2", {56, 36, 112, 28}, "Assistente", Label::Look::Button),
      Label3(*this, "Label3", {192, 36, 112, 28}, "Normal", Label::Look::Button),
      Label4(*this, "Label4", {16, 84, 328, 18},
             "Entrada automática ao digitar o Código trava correto:"),
      Label5(*this, "Label5", {56, 108, 112, 28}, "Habilitar", Label::Look::Button),
      Label6(*this, "Label6", {192, 108, 112, 28}, "Desabilitar", Label::Look::Button),
      context_(context) {
    Label2.onClick = [this] { Assistente_Click(); };
    Label3.onClick = [this] { Normal_Click(); };
    Label5.onClick = [this] { Habilitar_Click(); };
    Label6.onClick = [this] { Desabilitar_Click(); };
    Label5.SetBackColor(SysColor::ButtonShadow);
    Label6.SetBackColor(SysColor::ButtonShadow);
}

void frmIniOpt::Load() {
    ShowAutoEntry(context_.registry.GetValue(Hive::LocalMachine, core::kCurrentVersion,
                                             core::kAutoEntry) == "1");
}

void frmIniOpt::Assistente_Click() {
    // Wizard mode is the absence of the value.
    RegistryAccess& registry = context_.registry;
    registry.DeleteValue(Hive::CurrentUser, core::kCurrentVersion, core::kStartUpMode);
    if (registry.ValueExists(Hive::CurrentUser, core::kCurrentVersion, core::kStartUpMode))
        core::ShowNotStored(context_, "o modo de inicialização");
}

void frmIniOpt::Normal_Click() {
    if (context_.registry.SetValue(Hive::CurrentUser, core::kCurrentVersion, core::kStartUpMode,
                                   "0", ValueType::String) != 0)
        core::ShowNotStored(context_, "o modo de inicialização");
}

void frmIniOpt::Habilitar_Click() {
    SetAutoEntry(true);
}

void frmIniOpt::Desabilitar_Click() {
    SetAutoEntry(false);
}

void frmIniOpt::SetAutoEntry(bool on) {
    if (context_.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, core::kAutoEntry,
                                   on ? "1" : "0", ValueType::String) != 0)
        return core::ShowNotStored(context_, "a entrada automática");
    ShowAutoEntry(on);
}

void frmIniOpt::ShowAutoEntry(bool on) {
    Label5.SetBackColor(on ? SysColor::Highlight : SysColor::ButtonShadow);
    Label6.SetBackColor(on ? SysColor::ButtonShadow : SysColor::Highlight);
}

}  // namespace options
