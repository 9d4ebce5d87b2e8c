#pragma once
// The export screen: the groups to carry, and where the file goes.
#include <memory>
#include <vector>

#include "forms/Form.h"
#include "core/Context.h"

namespace transfer {

class frmWizrd : public forms::Form {
  public:
    frmWizrd(forms::Screens& screens, core::Context& context);

    void Todas_Click();
    void Nenhuma_Click();
    void Floppy_Click();
    void OtherPlace_Click();

    forms::Label Label1;
    std::vector<std::unique_ptr<forms::CheckBox>> groups;  // in file order
    forms::Label Label7;                                   // "Todas"
    forms::Label Label8;                                   // "Nenhuma"
    forms::Label Label5;                                   // "Exportar para disquete"
    forms::Label Label6;                                   // "Exportar para outro local..."

  private:
    // The file's text for the ticked groups; empty (and the user told so)
    // when there is nothing to write.
    std::string Collect();

    core::Context& context_;
};

}  // namespace transfer
