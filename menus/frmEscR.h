#pragma once
// The chooser of the wizard menu: one button for each policy screen.
#include "forms/Form.h"
#include "core/Context.h"

namespace menus {

class frmEscR : public forms::Form {
  public:
    frmEscR(forms::Screens& screens, core::Context& context);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    forms::CommandButton Command1;  // "Restrições na Área de trabalho"
    forms::CommandButton Command2;  // "Restrições no sistema"
    forms::CommandButton Command3;  // "Restrições no Explorer"

  private:
    core::Context& context_;
};

}  // namespace menus
