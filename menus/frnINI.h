#pragma once
// The main menu: framed groups of labels, each opening one screen or
// starting an import. Its load does the program-wide start-up work.
#include <memory>
#include <vector>

#include "forms/Form.h"
#include "core/Context.h"
#include "menus/MainMenuEntries.h"

namespace menus {

class frnINI : public forms::Form {
  public:
    frnINI(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Entry_Click(core::MenuCommand command);
    void Label1_Click();
    // The caption names whose settings the screens show and write.
    void ShowTarget();

    forms::Label Label1;  // opens the configuration wizard menu
    forms::Frame fraAbout;
    forms::Label lblCredit;
    forms::Label lblAddress;
    std::vector<std::unique_ptr<forms::Frame>> groups;
    std::vector<std::unique_ptr<forms::Label>> entries;

  private:
    void OpenWizardMenu();

    core::Context& context_;
};

}  // namespace menus
