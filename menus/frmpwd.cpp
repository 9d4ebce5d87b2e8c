#include "menus/frmpwd.h"

#include "forms/Screens.h"
#include "core/LockCode.h"
#include "core/Settings.h"
#include "menus/frnINI.h"

namespace menus {

using forms::Label;

frmpwd::frmpwd(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmpwd", "Digite o seu código-trava ", 300, 170),
      lblProduct(*this, "lblProduct", {16, 8, 150, 44}, "Quarvel"),
      lblVersion(*this, "lblVersion", {168, 26, 40, 20}, std::string(core::kVersion)),
      lblPrompt(*this, "lblPrompt", {16, 60, 268, 18}, "Digite o seu código trava."),
      Text1(*this, "Text1", {16, 82, 268, 22}, {.password = true}),
      Label1(*this, "Label1", {56, 122, 88, 28}, "OK", Label::Look::Button),
      Label2(*this, "Label2", {156, 122, 88, 28}, "Cancelar", Label::Look::Button),
      context_(context) {
    lblProduct.SetFont({"Times New Roman", 26, true, true});
    lblVersion.SetFont({"Times New Roman", 12, false, true});
    Text1.onChange = [this] { Text1_Change(); };
    Label1.onClick = [this] { OK_Click(); };
    Label2.onClick = [this] { Cancelar_Click(); };
    acceptControl = &Label1;
    cancelControl = &Label2;
}

void frmpwd::Load() {
    // With no lock code the gate is never seen.
    if (core::ReadLockCode(context_.registry).empty()) EnterMainMenu();
}

void frmpwd::Text1_Change() {
    if (Text1.text() != core::ReadLockCode(context_.registry)) return;
    Label1.SetBackColor(forms::SysColor::Highlight);
    if (context_.registry.GetValue(Hive::LocalMachine, core::kCurrentVersion, core::kAutoEntry) ==
        "1")
        OK_Click();
}

void frmpwd::OK_Click() {
    if (Text1.text() == core::ReadLockCode(context_.registry)) {
        EnterMainMenu();
        return;
    }
    core::ShowWrongCode(context_.dialogs);
    EndProgram();
}

void frmpwd::Cancelar_Click() {
    EndProgram();
}

void frmpwd::EnterMainMenu() {
    screens().Open<frnINI>(context_);
    Unload();
}

void frmpwd::EndProgram() {
    screens().Close<frnINI>();
    Unload();
}

}  // namespace menus
