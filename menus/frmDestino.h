#pragma once
// The target chooser: whose settings every screen, import and undo work on.
// This account, every account that is not an administrator, or one local
// account by name.
#include <string>

#include "core/Context.h"
#include "forms/Form.h"

namespace menus {

class frmDestino : public forms::Form {
  public:
    // `loggedOn`: the account logged on to Windows when it is not the one
    // the program runs as; it is offered first and said why.
    frmDestino(forms::Screens& screens, core::Context& context, std::string loggedOn = {});

    void Load() override;
    void Command1_Click();  // OK
    void Command2_Click();  // Cancelar

    forms::Label Label1;  // what is chosen here, or why it is offered
    forms::ListBox List1;
    forms::Label Label2;  // when Windows applies it
    forms::CommandButton Command1;
    forms::CommandButton Command2;

  private:
    core::Context& context_;
    std::string loggedOn_;
    std::vector<std::string> accounts_;  // the local accounts listed after the first two rows
};

// The caption of a menu with the target it works on.
std::string WithTarget(const std::string& caption, const core::Context& context);

}  // namespace menus
