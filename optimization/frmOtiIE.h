#pragma once
// Browser and mail tuning: five browser switches that write at once, the
// download folder written by "Aplicar", and the mail program's splash screen
// for a chosen program version.
#include "forms/Form.h"
#include "forms/OnOffPair.h"
#include "personalization/BrowserSwitchPairs.h"
#include "core/Context.h"
#include "core/LongValues.h"

namespace optimization {

class frmOtiIE : public forms::Form {
  public:
    frmOtiIE(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Switch_Click(std::size_t index, bool on);
    void SaveDirectory_Click();
    void Version_Click(forms::Label& button);
    void Splash_Click(bool on);

    // The pairs of kTuningBrowserSwitches, in its order.
    forms::Label LabelRetired;  // at the top on Windows 10 and 11
    personalization::BrowserSwitchPairs switches;
    forms::Label Label15;  // "Diretório de Salvamento:"
    forms::TextBox Text1;
    forms::Label Label17;       // "Aplicar"
    forms::Label Label1;        // "Tela de abertura do Outlook Express"
    forms::Label Label18;       // "Escolha a versão do programa:"
    forms::Label Label2;        // "4.0"
    forms::Label Label3;        // "5.0"
    forms::Label Label4;        // "6.0"
    forms::OnOffPair splash;    // Label5 / Label6
    forms::Label LabelWindows;  // what this Windows ignores; hidden when nothing

    // The version the splash pair addresses; empty until a version is chosen.
    const std::string& chosenVersion() const { return textVer_; }

  private:
    std::string SplashKey();

    core::Context& context_;
    std::string textVer_;
    core::LongValues longValues_;
};

}  // namespace optimization
