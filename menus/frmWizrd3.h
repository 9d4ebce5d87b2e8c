#pragma once
// The configuration wizard menu: every task as a sentence with its icon.
// It opens over the minimised main menu in wizard mode.
#include <memory>
#include <vector>

#include "forms/Form.h"
#include "core/Context.h"
#include "menus/WizardMenuEntries.h"

namespace menus {

class frmWizrd3 : public forms::Form {
  public:
    frmWizrd3(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Entry_Click(const WizardEntry& entry);
    void ModoNormal_Click();
    void ShowTarget();

    forms::Label Label1;  // "O que você gostaria de fazer?"
    std::vector<std::unique_ptr<forms::Label>> headings;
    std::vector<std::unique_ptr<forms::Frame>> lines;
    std::vector<std::unique_ptr<forms::Label>> entries;
    std::vector<std::unique_ptr<forms::PictureBox>> icons;

  private:
    core::Context& context_;
};

}  // namespace menus
