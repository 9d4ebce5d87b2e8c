#pragma once
// The restriction wizard: well-known programs ticked in a fixed catalogue
// and stored in the wizard's range of the allow-list. It is opened from the
// allow-list screen, which takes its place again when the wizard closes.
#include <memory>
#include <vector>

#include "forms/Form.h"
#include "core/Context.h"

namespace restrictions {

class frmWizrd2 : public forms::Form {
  public:
    frmWizrd2(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Unloaded() override;
    void Aplicar_Click();
    void Atuais_Click();
    void Cancelar_Click();

    forms::PictureBox Image1;                             // the background picture
    std::vector<std::unique_ptr<forms::CheckBox>> boxes;  // Check1 to Check38
    forms::Label Label3;                                  // "Aplicar"
    forms::Label Label2;                                  // "Atuais"
    forms::Label Label1;                                  // "Cancelar"

  private:
    core::Context& context_;
};

}  // namespace restrictions
