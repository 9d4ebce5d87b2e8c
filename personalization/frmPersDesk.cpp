#include "personalization/frmPersDesk.h"

#include "personalization/DesktopTouches.h"

namespace personalization {
namespace {

using forms::Label;

constexpr std::string_view kCreated =
    "A mensagem de logon foi criada com sucesso, efetue logoff para conferir os resultados";
constexpr std::string_view kRemoved = "A Mensagem foi removida com sucesso";
constexpr std::string_view kCleared = "A lista foi limpa com sucesso";

}  // namespace

frmPersDesk::frmPersDesk(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmPersDesk", "Desktop", 420, 400),
      Label3(*this, "Label3", {16, 12, 388, 18}, "Criando uma mensagem de Logon:"),
      Label4(*this, "Label4", {24, 40, 70, 18}, "Título:"),
      Text3(*this, "Text3", {96, 36, 300, 24}, {.wantsEnter = true}),
      Label5(*this, "Label5", {24, 70, 70, 18}, "Conteúdo:"),
      Text4(*this, "Text4", {96, 68, 300, 96}, {.multiLine = true}),
      Label7(*this, "Label7", {96, 174, 140, 26}, "Aplicar", Label::Look::Button),
      Label2(*this, "Label2", {246, 174, 150, 26}, "Remover Mensagem", Label::Look::Button),
      Label16(*this, "Label16", {16, 222, 388, 18}, "Menu Iniciar, Rolagem ou Múltiplas Conlunas?"),
      startMenu(*this, "Label8", "Label9", {24, 246, 110, 26}, 8, "Rolagem", "Colunas"),
      Label10(*this, "Label10", {16, 294, 388, 36},
              "Limpar a lista de documentos recentes do Windows Media Player 7"),
      Label11(*this, "Label11", {24, 336, 110, 26}, "OK", Label::Look::Button),
      context_(context) {
    Text3.SetToolTip("Coloque aqui o título da sua mensagem de Logon");
    Text4.SetToolTip("Coloque aqui o conteúdo da sua mensagem de Logon");
    for (Label* button : {&Label7, &Label2, &Label11})
        button->SetBackColor(forms::SysColor::ButtonShadow);
    // Enter in the title field applies the message, as "Aplicar" does.
    Text3.onEnter = [this] { Aplicar_Click(); };
    Label7.onClick = [this] { Aplicar_Click(); };
    Label2.onClick = [this] { RemoverMensagem_Click(); };
    startMenu.onChoose = [this](bool scrolls) { StartMenu_Click(scrolls); };
    Label11.onClick = [this] { ClearMediaList_Click(); };
}

void frmPersDesk::Load() {
    RegistryAccess& registry = context_.registry;
    Text3.SetText(registry.GetValue(Hive::LocalMachine, kWinlogonKey, kLegalNoticeCaption));
    Text4.SetText(registry.GetValue(Hive::LocalMachine, kWinlogonKey, kLegalNoticeText));
    startMenu.Show(registry.GetValue(Hive::CurrentUser, kExplorerAdvancedKey,
                                     kStartMenuScrollPrograms) == kScrolls);
}

void frmPersDesk::Aplicar_Click() {
    RegistryAccess& registry = context_.registry;
    registry.SetValue(Hive::LocalMachine, kWinlogonKey, kLegalNoticeCaption, Text3.text(),
                      ValueType::String);
    registry.SetValue(Hive::LocalMachine, kWinlogonKey, kLegalNoticeText, Text4.text(),
                      ValueType::String);
    context_.dialogs.ShowMessage(std::string(kCreated), "Quarvel", platform::style::Information);
}

void frmPersDesk::RemoverMensagem_Click() {
    RegistryAccess& registry = context_.registry;
    registry.DeleteValue(Hive::LocalMachine, kWinlogonKey, kLegalNoticeCaption);
    registry.DeleteValue(Hive::LocalMachine, kWinlogonKey, kLegalNoticeText);
    context_.dialogs.ShowMessage(std::string(kRemoved), "Aviso", platform::style::Plain);
}

void frmPersDesk::StartMenu_Click(bool scrolls) {
    context_.registry.SetValue(Hive::CurrentUser, kExplorerAdvancedKey, kStartMenuScrollPrograms,
                               scrolls ? kScrolls : kColumns, ValueType::String);
    startMenu.Show(scrolls);
}

void frmPersDesk::ClearMediaList_Click() {
    context_.registry.DeleteKey(Hive::CurrentUser, kMediaPlayerRecentKey);
    context_.dialogs.ShowMessage(std::string(kCleared), "Aviso", platform::style::Information);
}

}  // namespace personalization
