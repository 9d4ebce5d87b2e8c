#pragma once
// Desktop touches that act at once: the logon message shown before anyone
// logs on, the Start menu's scrolling or columned program list, and the
// clearing of the media player's recent files.
#include "forms/Form.h"
#include "forms/OnOffPair.h"
#include "core/Context.h"
#include "core/LongValues.h"

namespace personalization {

class frmPersDesk : public forms::Form {
  public:
    frmPersDesk(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Aplicar_Click();
    void RemoverMensagem_Click();
    void StartMenu_Click(bool scrolls);
    void ClearMediaList_Click();

    forms::Label Label3;  // "Criando uma mensagem de Logon:"
    forms::Label Label4;  // "Título:"
    forms::TextBox Text3;
    forms::Label Label5;  // "Conteúdo:"
    forms::TextBox Text4;
    forms::Label Label7;         // "Aplicar"
    forms::Label Label2;         // "Remover Mensagem"
    forms::Label Label16;        // "Menu Iniciar, Rolagem ou Múltiplas Conlunas?"
    forms::OnOffPair startMenu;  // Label8 "Rolagem" / Label9 "Colunas"
    forms::Label Label10;  // "Limpar a lista de documentos recentes do Windows Media Player 7"
    forms::Label Label11;  // "OK"

  private:
    core::Context& context_;
    core::LongValues longValues_;
};

}  // namespace personalization
