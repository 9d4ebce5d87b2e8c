#pragma once
// Browser and mail personalisation, every command writing at once: five
// browser switches, the mail program's title per version and identity, the
// browser's start page and its title.
#include "forms/Form.h"
#include "forms/OnOffPair.h"
#include "personalization/BrowserSwitchPairs.h"
#include "core/Context.h"
#include "core/LongValues.h"

namespace personalization {

class frmPersIE : public forms::Form {
  public:
    frmPersIE(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Switch_Click(std::size_t index, bool on);
    void Version_Click(forms::Label& button);
    void MailTitleAplicar_Click();
    void MailTitleRemover_Click();
    void StartPageAplicar_Click();
    void BrowserTitleAplicar_Click();
    void BrowserTitleRemover_Click();

    forms::Label LabelRetired;  // at the top on Windows 10 and 11
    // The pairs of kPersonalBrowserSwitches, in its order.
    BrowserSwitchPairs switches;
    forms::Label Label5;  // "Adicionar um texto na barra de título do Outlook Express"
    forms::TextBox Text11;
    forms::Label Label22;  // "Aplicar"
    forms::Label Label1;   // "Remover"
    forms::Label Label6;   // "Selecione a versão do programa:"
    forms::Label Label2;   // "4.0"
    forms::Label Label3;   // "5.0"
    forms::Label Label4;   // "6.0"
    forms::Label Label7;   // "Definir nova Página Inicial:"
    forms::TextBox Text29;
    forms::Label Label18;        // "Aplicar"
    forms::Label LabelBrowsers;  // which of today's browsers follow the start page
    forms::Label Label19;        // "Adicionar um texto na barra de Título do Internet Explorer:"
    forms::TextBox Text10;
    forms::Label Label23;       // "Aplicar"
    forms::Label Label21;       // "Remover"
    forms::Label LabelWindows;  // what this Windows ignores; hidden when nothing

    // The mail program version the title commands address: "4.0" on opening.
    const std::string& chosenVersion() const { return textVer1_; }

  private:
    std::string MailTitleKey();
    // Checks the box's text and writes it to the value, unless the box still
    // shows the beginning of a longer stored text; false after a message.
    bool StoreText(const forms::TextBox& box, const std::string& text, const std::string& key,
                   std::string_view name, const core::TextLimit& limit);
    void RemoveText(const std::string& key, std::string_view name);

    core::Context& context_;
    std::string textVer1_ = "4.0";
    core::LongValues longValues_;
};

}  // namespace personalization
