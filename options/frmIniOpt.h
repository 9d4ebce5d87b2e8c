#pragma once
// How the program starts: in wizard or normal mode, and whether the gate
// enters by itself once the right code is typed.
#include "forms/Form.h"
#include "core/Context.h"

namespace options {

class frmIniOpt : public forms::Form {
  public:
    frmIniOpt(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Assistente_Click();
    void Normal_Click();
    void Habilitar_Click();
    void Desabilitar_Click();

    forms::Label Label1;  // "Entrar no modo Assistente ou normal?"
    forms::Label Label2;  // "Assistente"
    forms::Label Label3;  // "Normal"
    forms::Label Label4;  // "Entrada automática ao digitar o Código trava correto:"
    forms::Label Label5;  // "Habilitar"
    forms::Label Label6;  // "Desabilitar"

  private:
    void SetAutoEntry(bool on);
    void ShowAutoEntry(bool on);

    core::Context& context_;
};

}  // namespace options
