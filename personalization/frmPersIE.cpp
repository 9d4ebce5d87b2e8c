#include "personalization/frmPersIE.h"

#include "core/StorableText.h"

namespace personalization {
namespace {

using forms::Label;
using forms::Rect;

constexpr std::string_view kMailWindowTitle = "WindowTitle";
constexpr std::string_view kDone = "As alterações foram efetuadas com sucesso";
constexpr std::string_view kTextRemoved = "O texto foi removido com sucesso";

// Two columns: the switches on the left, the texts on the right.
constexpr int kRight = 400;
constexpr int kFieldWidth = 300;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 24;

Rect Heading(int y) {
    return {kRight, y, 380, 18};
}
Rect Field(int y) {
    return {kRight + 8, y, kFieldWidth, 24};
}
Rect ButtonAt(int index, int y) {
    return {kRight + 8 + index * (kButtonWidth + 8), y, kButtonWidth, kButtonHeight};
}
Rect VersionAt(int index, int y) {
    return {kRight + 8 + index * 64, y, 56, kButtonHeight};
}

}  // namespace

frmPersIE::frmPersIE(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmPersIE", "Internet Explorer", 800, 290),
      switches(*this, kPersonalBrowserSwitches, 16, 14),
      Label5(*this, "Label5", Heading(14),
             "Adicionar um texto na barra de título do Outlook Express"),
      Text11(*this, "Text11", Field(36), {.wantsEnter = true}),
      Label22(*this, "Label22", ButtonAt(0, 66), "Aplicar", Label::Look::Button),
      Label1(*this, "Label1", ButtonAt(1, 66), "Remover", Label::Look::Button),
      Label6(*this, "Label6", Heading(100), "Selecione a versão do programa:"),
      Label2(*this, "Label2", VersionAt(0, 122), "4.0", Label::Look::Button),
      Label3(*this, "Label3", VersionAt(1, 122), "5.0", Label::Look::Button),
      Label4(*this, "Label4", VersionAt(2, 122), "6.0", Label::Look::Button),
      Label7(*this, "Label7", Heading(160), "Definir nova Página Inicial:"),
      Text29(*this, "Text29", {kRight + 8, 182, kFieldWidth - kButtonWidth - 8, 24},
             {.wantsEnter = true}),
      Label18(*this, "Label18", {kRight + 8 + kFieldWidth - kButtonWidth, 182, kButtonWidth, 24},
              "Aplicar", Label::Look::Button),
      Label19(*this, "Label19", Heading(218),
              "Adicionar um texto na barra de Título do Internet Explorer:"),
      Text10(*this, "Text10", {kRight + 8, 240, kFieldWidth - 2 * (kButtonWidth + 8), 24},
             {.wantsEnter = true}),
      Label23(*this, "Label23",
              {kRight + 8 + kFieldWidth - 2 * kButtonWidth - 8, 240, kButtonWidth, 24}, "Aplicar",
              Label::Look::Button),
      Label21(*this, "Label21", {kRight + 8 + kFieldWidth - kButtonWidth, 240, kButtonWidth, 24},
              "Remover", Label::Look::Button),
      context_(context) {
    switches.onChoose = [this](std::size_t index, bool on) { Switch_Click(index, on); };
    for (Label* button :
         {&Label22, &Label1, &Label2, &Label3, &Label4, &Label18, &Label23, &Label21})
        button->SetBackColor(forms::SysColor::ButtonShadow);
    // Enter in a field runs the "Aplicar" beside it.
    Text11.onEnter = [this] { MailTitleAplicar_Click(); };
    Text29.onEnter = [this] { StartPageAplicar_Click(); };
    Text10.onEnter = [this] { BrowserTitleAplicar_Click(); };
    Label22.onClick = [this] { MailTitleAplicar_Click(); };
    Label1.onClick = [this] { MailTitleRemover_Click(); };
    for (Label* version : {&Label2, &Label3, &Label4})
        version->onClick = [this, version] { Version_Click(*version); };
    Label18.onClick = [this] { StartPageAplicar_Click(); };
    Label23.onClick = [this] { BrowserTitleAplicar_Click(); };
    Label21.onClick = [this] { BrowserTitleRemover_Click(); };
}

void frmPersIE::Load() {
    RegistryAccess& registry = context_.registry;
    switches.Load(registry);
    longValues_.Fill(Text10, registry.GetValue(Hive::CurrentUser, kBrowserMainKey, kWindowTitle),
                     kBrowserTitleLimit);
    longValues_.Fill(Text29, registry.GetValue(Hive::CurrentUser, kBrowserMainKey, kStartPage),
                     kStartPageLimit);
    longValues_.Report(context_.dialogs);
}

void frmPersIE::Switch_Click(std::size_t index, bool on) {
    if (!switches.Choose(context_.registry, index, on))
        core::ShowNotStored(context_.registry, context_.dialogs,
                            kPersonalBrowserSwitches[index].hive, kBrowserMainKey,
                            "a opção do Internet Explorer");
}

std::string frmPersIE::MailTitleKey() {
    std::string identity =
        context_.registry.GetValue(Hive::CurrentUser, kIdentitiesKey, kDefaultUserId);
    return MailProgramKey(identity, textVer1_);
}

bool frmPersIE::StoreText(const forms::TextBox& box, const std::string& text,
                          const std::string& key, std::string_view name,
                          const core::TextLimit& limit) {
    platform::Dialogs& dialogs = context_.dialogs;
    if (!longValues_.Kept(box) &&
        (!core::CheckLength(dialogs, limit.what, text, limit.characters) ||
         !core::CheckStorable(context_.registry, dialogs, limit.what, {text})))
        return false;
    if (context_.registry.SetValue(Hive::CurrentUser, key, name, text, ValueType::String) == 0)
        return true;
    // The value's key is not created: a missing one means the program (or
    // that version of it) is not there to read the value.
    core::ShowNotStored(context_.registry, dialogs, Hive::CurrentUser, key, limit.what);
    return false;
}

void frmPersIE::Version_Click(Label& button) {
    if (button.caption() == "6.0")
        context_.dialogs.ShowMessage(std::string(kXpVersionHint), "Quarvel",
                                     platform::style::Information);
    textVer1_ = button.caption();
    forms::HighlightOnly(button, {&Label2, &Label3, &Label4});
    longValues_.Fill(
        Text11, context_.registry.GetValue(Hive::CurrentUser, MailTitleKey(), kMailWindowTitle),
        kMailTitleLimit);
    longValues_.Report(context_.dialogs);
}

void frmPersIE::MailTitleAplicar_Click() {
    if (core::OnlyInTheAccountItself(context_, std::string(kIdentityReason))) return;
    if (!StoreText(Text11, longValues_.Value(Text11), MailTitleKey(), kMailWindowTitle,
                   kMailTitleLimit))
        return;
    context_.dialogs.ShowMessage(
        "O Título do Outlook Express versão: " + textVer1_ + " foi definido para: " + Text11.text(),
        "Quarvel", platform::style::Information);
}

void frmPersIE::MailTitleRemover_Click() {
    if (core::OnlyInTheAccountItself(context_, std::string(kIdentityReason))) return;
    RemoveText(MailTitleKey(), kMailWindowTitle);
}

void frmPersIE::StartPageAplicar_Click() {
    std::string page = longValues_.Value(Text29);
    if (page.empty()) page = kBlankPage;
    if (!StoreText(Text29, page, std::string(kBrowserMainKey), kStartPage, kStartPageLimit)) return;
    context_.dialogs.ShowMessage(std::string(kDone), "Quarvel", platform::style::Information);
}

void frmPersIE::BrowserTitleAplicar_Click() {
    if (!StoreText(Text10, longValues_.Value(Text10), std::string(kBrowserMainKey), kWindowTitle,
                   kBrowserTitleLimit))
        return;
    context_.dialogs.ShowMessage(std::string(kDone), "Quarvel", platform::style::Information);
}

void frmPersIE::BrowserTitleRemover_Click() {
    RemoveText(std::string(kBrowserMainKey), kWindowTitle);
}

void frmPersIE::RemoveText(const std::string& key, std::string_view name) {
    context_.registry.DeleteValue(Hive::CurrentUser, key, name);
    // Absent is the goal, whether or not it was there before.
    if (context_.registry.ValueExists(Hive::CurrentUser, key, name))
        return core::ShowNotStored(context_.dialogs, "a remoção do texto",
                                   "o Windows recusou a remoção.");
    context_.dialogs.ShowMessage(std::string(kTextRemoved), "Aviso", platform::style::Plain);
}

}  // namespace personalization
