#include "personalization/frmPersDesk.h"

#include "core/ObjectFile.h"
#include "personalization/DesktopTouches.h"
#include "personalization/LogonNotice.h"
#include "core/StorableText.h"

namespace personalization {
namespace {

using forms::Label;

constexpr std::string_view kCreated =
    "A mensagem de logon foi criada com sucesso, efetue logoff para conferir os resultados";
constexpr std::string_view kRemoved = "A Mensagem foi removida com sucesso";
constexpr std::string_view kCleared = "A lista foi limpa com sucesso";
constexpr std::string_view kNotice = "a mensagem de logon";
constexpr std::string_view kNoPlace =
    "este Windows não tem a chave Winlogon onde a mensagem é lida.";

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
    std::string caption, text;
    if (auto key = LogonNoticeKey(registry)) {
        caption = registry.GetValue(Hive::LocalMachine, *key, kLegalNoticeCaption);
        text = registry.GetValue(Hive::LocalMachine, *key, kLegalNoticeText);
    }
    longValues_.Fill(Text3, caption, kNoticeCaptionLimit);
    longValues_.Fill(Text4, text, kNoticeTextLimit);
    startMenu.Show(registry.GetValue(Hive::CurrentUser, kExplorerAdvancedKey,
                                     kStartMenuScrollPrograms) == kScrolls);
    longValues_.Report(context_.dialogs);
}

void frmPersDesk::Aplicar_Click() {
    RegistryAccess& registry = context_.registry;
    platform::Dialogs& dialogs = context_.dialogs;
    // A box still showing the beginning of a longer stored text writes that
    // text whole; only what the user typed is held to the box's limit.
    struct Part {
        const forms::TextBox& box;
        std::string_view name;
        const core::TextLimit& limit;
    } parts[] = {{Text3, kLegalNoticeCaption, kNoticeCaptionLimit},
                 {Text4, kLegalNoticeText, kNoticeTextLimit}};
    for (const Part& part : parts)
        if (!longValues_.Kept(part.box) &&
            !core::CheckLength(dialogs, part.limit.what, part.box.text(), part.limit.characters))
            return;
    if (!core::CheckStorable(registry, dialogs, kNotice,
                             {longValues_.Value(Text3), longValues_.Value(Text4)}))
        return;
    auto key = LogonNoticeKey(registry);
    if (!key) return core::ShowNotStored(dialogs, kNotice, kNoPlace);
    for (const Part& part : parts)
        if (registry.SetValue(Hive::LocalMachine, *key, part.name, longValues_.Value(part.box),
                              ValueType::String) != 0)
            return core::ShowNotStored(dialogs, kNotice);
    dialogs.ShowMessage(std::string(kCreated), "Quarvel", platform::style::Information);
}

void frmPersDesk::RemoverMensagem_Click() {
    RegistryAccess& registry = context_.registry;
    if (auto key = LogonNoticeKey(registry)) {
        for (std::string_view name : {kLegalNoticeCaption, kLegalNoticeText}) {
            registry.DeleteValue(Hive::LocalMachine, *key, name);
            // Absent is the goal; a value still there was not removed.
            if (registry.ValueExists(Hive::LocalMachine, *key, name))
                return context_.dialogs.ShowMessage(
                    "Não foi possível remover a mensagem de logon: o Windows recusou a remoção.",
                    "Erro", platform::style::Critical);
        }
    }
    context_.dialogs.ShowMessage(std::string(kRemoved), "Aviso", platform::style::Plain);
}

void frmPersDesk::StartMenu_Click(bool scrolls) {
    RegistryAccess& registry = context_.registry;
    // The key may be missing on a fresh profile: create it, as Windows would.
    registry.CreateKey(Hive::CurrentUser, kExplorerAdvancedKey);
    if (registry.SetValue(Hive::CurrentUser, kExplorerAdvancedKey, kStartMenuScrollPrograms,
                          scrolls ? kScrolls : kColumns, ValueType::String) != 0)
        return core::ShowNotStored(context_, "a escolha do Menu Iniciar");
    startMenu.Show(scrolls);
}

void frmPersDesk::ClearMediaList_Click() {
    if (core::OnlyInTheAccountItself(context_,
                                     "a lista de arquivos recentes fica no perfil de cada conta."))
        return;
    context_.registry.DeleteKey(Hive::CurrentUser, kMediaPlayerRecentKey);
    if (context_.registry.KeyExists(Hive::CurrentUser, kMediaPlayerRecentKey))
        return core::ShowNotStored(context_, "a limpeza da lista", "o Windows recusou a remoção.");
    context_.dialogs.ShowMessage(std::string(kCleared), "Aviso", platform::style::Information);
}

}  // namespace personalization
