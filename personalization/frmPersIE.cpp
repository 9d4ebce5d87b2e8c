#include "personalization/frmPersIE.h"

#include "core/ObjectFile.h"
#include "core/StorableText.h"
#include "forms/TextLines.h"
#include "personalization/BrowserStartPage.h"

namespace personalization {
namespace {

using forms::Label;
using forms::Rect;

constexpr std::string_view kMailWindowTitle = "WindowTitle";
constexpr std::string_view kDone = "As alterações foram efetuadas com sucesso";
constexpr std::string_view kTextRemoved = "O texto foi removido com sucesso";

constexpr std::string_view kMailTitleCaption =
    "Adicionar um texto na barra de título do Outlook Express";
constexpr std::string_view kBrowserTitleCaption =
    "Adicionar um texto na barra de Título do Internet Explorer:";
constexpr std::string_view kBrowsersFollow =
    "O Edge e o Chrome só seguem esta página em computadores de domínio ou gerenciados; o "
    "Firefox segue sempre.";

// Two columns: the switches on the left, the texts on the right, all below
// the notice at the top when there is one.
constexpr int kWidth = 768;
constexpr int kRight = 400;
constexpr int kFieldWidth = 300;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 24;
constexpr int kBrowsersHeight = 2 * forms::kTextLineHeight;

int Top(core::Context& context) {
    return forms::WrappedHeight(RetiredProgramsNotice(context.accounts), kWidth);
}

Rect Heading(core::Context& context, int y) {
    return {kRight, Top(context) + y, 380, 18};
}
Rect Field(core::Context& context, int y) {
    return {kRight + 8, Top(context) + y, kFieldWidth, 24};
}
Rect ButtonAt(core::Context& context, int index, int y) {
    return {kRight + 8 + index * (kButtonWidth + 8), Top(context) + y, kButtonWidth, kButtonHeight};
}
Rect VersionAt(core::Context& context, int index, int y) {
    return {kRight + 8 + index * 64, Top(context) + y, 56, kButtonHeight};
}

std::string NoEffect(core::Context& context) {
    std::vector<core::CaptionedSetting> settings = SwitchSettings(kPersonalBrowserSwitches);
    settings.push_back({kMailTitleCaption, kMailWindowTitle});
    settings.push_back({"Definir nova Página Inicial:", kStartPage});
    settings.push_back({kBrowserTitleCaption, kWindowTitle});
    return core::NoEffectLine(context.accounts, settings);
}

}  // namespace

frmPersIE::frmPersIE(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmPersIE", "Internet Explorer", 800,
           Top(context) + 290 + kBrowsersHeight + forms::WrappedHeight(NoEffect(context), kWidth)),
      LabelRetired(*this, "LabelRetired", {16, 8, kWidth, Top(context)},
                   RetiredProgramsNotice(context.accounts)),
      switches(*this, kPersonalBrowserSwitches, 16, Top(context) + 14),
      Label5(*this, "Label5", Heading(context, 14), std::string(kMailTitleCaption)),
      Text11(*this, "Text11", Field(context, 36), {.wantsEnter = true}),
      Label22(*this, "Label22", ButtonAt(context, 0, 66), "Aplicar", Label::Look::Button),
      Label1(*this, "Label1", ButtonAt(context, 1, 66), "Remover", Label::Look::Button),
      Label6(*this, "Label6", Heading(context, 100), "Selecione a versão do programa:"),
      Label2(*this, "Label2", VersionAt(context, 0, 122), "4.0", Label::Look::Button),
      Label3(*this, "Label3", VersionAt(context, 1, 122), "5.0", Label::Look::Button),
      Label4(*this, "Label4", VersionAt(context, 2, 122), "6.0", Label::Look::Button),
      Label7(*this, "Label7", Heading(context, 160), "Definir nova Página Inicial:"),
      Text29(*this, "Text29", {kRight + 8, Top(context) + 182, kFieldWidth - kButtonWidth - 8, 24},
             {.wantsEnter = true}),
      Label18(*this, "Label18",
              {kRight + 8 + kFieldWidth - kButtonWidth, Top(context) + 182, kButtonWidth, 24},
              "Aplicar", Label::Look::Button),
      LabelBrowsers(*this, "LabelBrowsers", {kRight + 8, Top(context) + 210, 380, kBrowsersHeight},
                    std::string(kBrowsersFollow)),
      Label19(*this, "Label19", Heading(context, 218 + kBrowsersHeight),
              std::string(kBrowserTitleCaption)),
      Text10(*this, "Text10",
             {kRight + 8, Top(context) + 240 + kBrowsersHeight,
              kFieldWidth - 2 * (kButtonWidth + 8), 24},
             {.wantsEnter = true}),
      Label23(*this, "Label23",
              {kRight + 8 + kFieldWidth - 2 * kButtonWidth - 8,
               Top(context) + 240 + kBrowsersHeight, kButtonWidth, 24},
              "Aplicar", Label::Look::Button),
      Label21(*this, "Label21",
              {kRight + 8 + kFieldWidth - kButtonWidth, Top(context) + 240 + kBrowsersHeight,
               kButtonWidth, 24},
              "Remover", Label::Look::Button),
      LabelWindows(*this, "LabelWindows",
                   {16, Top(context) + 282 + kBrowsersHeight, kWidth,
                    forms::WrappedHeight(NoEffect(context), kWidth)},
                   NoEffect(context)),
      context_(context) {
    LabelRetired.SetVisible(!LabelRetired.caption().empty());
    LabelWindows.SetVisible(!LabelWindows.caption().empty());
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
        core::ShowNotStored(context_, kPersonalBrowserSwitches[index].hive, kBrowserMainKey,
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
    core::ShowNotStored(context_, Hive::CurrentUser, key, limit.what);
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
    if (!SetBrowsersStartPage(context_.registry, page))
        return core::ShowNotStored(context_, "a página inicial do Firefox, do Edge e do Chrome",
                                   "o Windows recusou a gravação.");
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
        return core::ShowNotStored(context_, "a remoção do texto", "o Windows recusou a remoção.");
    context_.dialogs.ShowMessage(std::string(kTextRemoved), "Aviso", platform::style::Plain);
}

}  // namespace personalization
