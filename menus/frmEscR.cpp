#include "menus/frmEscR.h"

#include "restrictions/RestrictionsScreens.h"

namespace menus {

frmEscR::frmEscR(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmEscR", "Escolha a área desejada", 260, 148),
      Command1(*this, "Command1", {16, 16, 228, 32}, "Restrições na Área de trabalho"),
      Command2(*this, "Command2", {16, 58, 228, 32}, "Restrições no sistema"),
      Command3(*this, "Command3", {16, 100, 228, 32}, "Restrições no Explorer"),
      context_(context) {
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
}

// The chooser stays open: the user may want another area next.
void frmEscR::Command1_Click() {
    restrictions::OpenScreen(core::MenuCommand::DesktopRestrictions, screens(), context_);
}

void frmEscR::Command2_Click() {
    restrictions::OpenScreen(core::MenuCommand::SystemRestrictions, screens(), context_);
}

void frmEscR::Command3_Click() {
    restrictions::OpenScreen(core::MenuCommand::ExplorerRestrictions, screens(), context_);
}

}  // namespace menus
