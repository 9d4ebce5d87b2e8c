#pragma once
// Sets, changes or removes the lock code that the start-up gate asks for.
#include <string>

#include "forms/Form.h"
#include "core/Context.h"

namespace options {

class frmPWDOPT : public forms::Form {
  public:
    frmPWDOPT(forms::Screens& screens, core::Context& context);

    void Aplicar_Click();
    void Cancelar_Click();

    forms::Label Label1;  // "Senha atual:"
    forms::TextBox Text1;
    forms::Label Label2;  // "Nova senha:"
    forms::TextBox Text2;
    forms::Label Label3;  // "Aplicar"
    forms::Label Label4;  // "Cancelar"

  private:
    // Writes the code and tells whether it now reads back exactly as given.
    bool Store(const std::string& code);

    core::Context& context_;
};

}  // namespace options
