#pragma once
// The allow-list: the programs the user may still start once "Bloquear"
// switches on the policy that lets only listed programs run.
#include "forms/Form.h"
#include "core/Context.h"

namespace restrictions {

class frmRestE : public forms::Form {
  public:
    frmRestE(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Text1_Enter();
    void Atual_Click();
    void Apagar_Click();
    void Desbloquear_Click();
    void Bloquear_Click();
    void Assistente_Click();

    forms::Label Label2;  // "Inserir executável:"
    forms::TextBox Text1;
    forms::ListBox List1;
    forms::Label Label1;     // "Atual"
    forms::Label Label3;     // "Apagar"
    forms::Label Label5;     // "Bloquear"
    forms::Label Label4;     // "Desbloquear"
    forms::Label Label9;     // "Assistente"
    forms::CheckBox Check1;  // "Valer também fora do Explorer"
    forms::Label Label7;     // what it does, and on which Windows

  private:
    void ReportNotStored(std::size_t stored);

    core::Context& context_;
};

}  // namespace restrictions
