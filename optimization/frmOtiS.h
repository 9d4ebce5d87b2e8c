#pragma once
// The file-system cache profile of the hard disk: one of three templates,
// written when "Aplicar" is clicked.
#include "forms/Form.h"
#include "core/Context.h"

namespace optimization {

class frmOtiS : public forms::Form {
  public:
    frmOtiS(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Aplicar_Click();

    forms::Label Label1;          // "Mudar o cache do disco rígido:"
    forms::OptionButton Option1;  // "Server"
    forms::OptionButton Option2;  // "Mobile"
    forms::OptionButton Option3;  // "Desktop"
    forms::Label Label6;          // "Aplicar"
    forms::Label LabelWindows;    // what this Windows ignores; hidden when nothing

  private:
    core::Context& context_;
};

}  // namespace optimization
