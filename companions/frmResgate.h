#pragma once
// The emergency program's one window: it lifts the restrictions, after the
// lock code when one is stored.
#include "forms/Form.h"
#include "core/Context.h"

namespace companions {

class frmResgate : public forms::Form {
  public:
    frmResgate(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Desfazer_Click();
    void Cancelar_Click();

    forms::Label lblProduct;
    forms::Label lblInfo;
    forms::Label lblCode;
    forms::TextBox Text1;
    forms::Label Label1;  // "Desfazer restrições"
    forms::Label Label2;  // "Cancelar"

  private:
    core::Context& context_;
};

}  // namespace companions
