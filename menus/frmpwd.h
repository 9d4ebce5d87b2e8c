#pragma once
// The lock-code gate in front of everything else.
#include "forms/Form.h"
#include "core/Context.h"

namespace menus {

class frmpwd : public forms::Form {
  public:
    frmpwd(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Text1_Change();
    void OK_Click();
    void Cancelar_Click();

    forms::Label lblProduct;
    forms::Label lblVersion;
    forms::Label lblPrompt;
    forms::TextBox Text1;
    forms::Label Label1;  // "OK"
    forms::Label Label2;  // "Cancelar"

  private:
    void EnterMainMenu();
    void EndProgram();

    core::Context& context_;
};

}  // namespace menus
