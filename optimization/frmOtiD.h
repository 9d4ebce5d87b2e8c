#pragma once
// Desktop speed-ups, each an on/off pair that writes at once: menus without
// delay, the window animation, and an open-with entry for every file.
#include "forms/Form.h"
#include "forms/OnOffPair.h"
#include "core/Context.h"
#include "optimization/DesktopSettings.h"

namespace optimization {

class frmOtiD : public forms::Form {
  public:
    frmOtiD(forms::Screens& screens, core::Context& context);

    void Load() override;
    void MenuSpeed_Click(bool on);
    void Animation_Click(bool on);
    void OpenWith_Click(bool on);

    forms::Label Label1;         // "Acelerar menus:"
    forms::OnOffPair menus;      // Label7 / Label8
    forms::Label Label6;         // "Animações do Windows ao Maximizar/Minimizar:"
    forms::OnOffPair animation;  // Label2 / Label3
    forms::Label Label9;         // "Habilitando "Abrir Com..." para todos os arquivos:"
    forms::OnOffPair openWith;   // Label4 / Label5

  private:
    // Writes the value's data for the state; false after a message.
    bool Write(const DesktopValue& value, bool on, std::string_view what);
    core::Context& context_;
};

}  // namespace optimization
