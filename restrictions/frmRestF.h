#pragma once
// The block list of folders and windows, kept in a file that the companion
// started at every logon enforces.
#include "forms/Form.h"
#include "core/Context.h"
#include "core/LongValues.h"

namespace restrictions {

class frmRestF : public forms::Form {
  public:
    frmRestF(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Atuais_Click();
    void Bloquear_Click();
    void Desbloquear_Click();

    forms::Label Label2;  // "Inserir nome da pasta/janela:"
    forms::TextBox Text1;
    forms::Label Label1;  // the list is the computer's, and who else starts it
    forms::Label Label4;  // "Bloquear"
    forms::Label Label5;  // "Desbloquear"
    forms::Label Label6;  // "Atuais"

  private:
    std::string FilePath() const;
    std::vector<std::string> OtherUsers();
    bool ComputerWideEntry();

    core::Context& context_;
    core::LongValues longValues_;
};

}  // namespace restrictions
