#include "optimization/frmOtiIE.h"

#include "core/ObjectFile.h"
#include "core/StorableText.h"
#include "forms/TextLines.h"

namespace optimization {
namespace {

using forms::Label;
using personalization::kBrowserMainKey;
using personalization::kSaveDirectory;
using personalization::kSaveDirectoryLimit;
using personalization::kTuningBrowserSwitches;

constexpr std::string_view kNoSplash = "NoSplash";
constexpr std::string_view kApplied = "As alterações foram aplicadas com sucesso";
constexpr std::string_view kSplashMessage = "A tela de abertura da versão: ";
constexpr std::string_view kChooseVersion =
    "Escolha primeiro a versão do programa: 4.0, 5.0 ou 6.0.";

constexpr std::string_view kSaveCaption = "Diretório de Salvamento:";
constexpr std::string_view kSplashCaption = "Tela de abertura do Outlook Express";
constexpr int kLeft = 16;
constexpr int kWidth = 368;
constexpr int kPairWidth = 90;
constexpr int kPairHeight = 24;
constexpr int kSwitchesHeight =
    static_cast<int>(kTuningBrowserSwitches.size()) * personalization::BrowserSwitchPairs::kPitch;

// Everything sits below the notice at the top, when there is one.
int Top(core::Context& context) {
    return 14 +
           forms::WrappedHeight(personalization::RetiredProgramsNotice(context.accounts), kWidth);
}
int Below(core::Context& context) {
    return Top(context) + kSwitchesHeight;
}

forms::Rect VersionAt(core::Context& context, int index) {
    return {kLeft + 8 + index * 64, Below(context) + 116, 56, kPairHeight};
}

std::string NoEffect(core::Context& context) {
    std::vector<core::CaptionedSetting> settings =
        personalization::SwitchSettings(kTuningBrowserSwitches);
    settings.push_back({kSaveCaption, kSaveDirectory});
    settings.push_back({kSplashCaption, kNoSplash});
    return core::NoEffectLine(context.accounts, settings);
}

}  // namespace

frmOtiIE::frmOtiIE(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmOtiIE", "Internet Explorer", 400,
           Below(context) + 200 + forms::WrappedHeight(NoEffect(context), kWidth)),
      LabelRetired(
          *this, "LabelRetired",
          {kLeft, 8, kWidth,
           forms::WrappedHeight(personalization::RetiredProgramsNotice(context.accounts), kWidth)},
          personalization::RetiredProgramsNotice(context.accounts)),
      switches(*this, kTuningBrowserSwitches, kLeft, Top(context)),
      Label15(*this, "Label15", {kLeft, Below(context), kWidth, 18}, std::string(kSaveCaption)),
      Text1(*this, "Text1", {kLeft + 8, Below(context) + 22, 256, 24}, {.wantsEnter = true}),
      Label17(*this, "Label17", {kLeft + 272, Below(context) + 22, 88, kPairHeight}, "Aplicar",
              Label::Look::Button),
      Label1(*this, "Label1", {kLeft, Below(context) + 66, kWidth, 18},
             std::string(kSplashCaption)),
      Label18(*this, "Label18", {kLeft + 8, Below(context) + 92, 360, 18},
              "Escolha a versão do programa:"),
      Label2(*this, "Label2", VersionAt(context, 0), "4.0", Label::Look::Button),
      Label3(*this, "Label3", VersionAt(context, 1), "5.0", Label::Look::Button),
      Label4(*this, "Label4", VersionAt(context, 2), "6.0", Label::Look::Button),
      splash(*this, "Label5", "Label6", {kLeft + 8, Below(context) + 150, kPairWidth, kPairHeight}),
      LabelWindows(
          *this, "LabelWindows",
          {kLeft, Below(context) + 186, kWidth, forms::WrappedHeight(NoEffect(context), kWidth)},
          NoEffect(context)),
      context_(context) {
    LabelRetired.SetVisible(!LabelRetired.caption().empty());
    LabelWindows.SetVisible(!LabelWindows.caption().empty());
    switches.onChoose = [this](std::size_t index, bool on) { Switch_Click(index, on); };
    for (Label* button : {&Label17, &Label2, &Label3, &Label4}) {
        button->SetBackColor(forms::SysColor::ButtonShadow);
        button->onClick = [this, button] {
            if (button == &Label17)
                SaveDirectory_Click();
            else
                Version_Click(*button);
        };
    }
    splash.onChoose = [this](bool on) { Splash_Click(on); };
    Text1.onEnter = [this] { SaveDirectory_Click(); };  // as its "Aplicar"
}

void frmOtiIE::Load() {
    RegistryAccess& registry = context_.registry;
    longValues_.Fill(Text1, registry.GetValue(Hive::CurrentUser, kBrowserMainKey, kSaveDirectory),
                     kSaveDirectoryLimit);
    switches.Load(registry);
    longValues_.Report(context_.dialogs);
}

void frmOtiIE::Switch_Click(std::size_t index, bool on) {
    if (!switches.Choose(context_.registry, index, on))
        core::ShowNotStored(context_, kTuningBrowserSwitches[index].hive, kBrowserMainKey,
                            "a opção do Internet Explorer");
}

void frmOtiIE::SaveDirectory_Click() {
    platform::Dialogs& dialogs = context_.dialogs;
    // A box still showing the beginning of a longer stored folder writes it whole.
    const std::string& folder = longValues_.Value(Text1);
    std::string_view what = kSaveDirectoryLimit.what;
    if (!longValues_.Kept(Text1) &&
        (!core::CheckLength(dialogs, what, folder, kSaveDirectoryLimit.characters) ||
         !core::CheckStorable(context_.registry, dialogs, what, {folder})))
        return;
    if (context_.registry.SetValue(Hive::CurrentUser, kBrowserMainKey, kSaveDirectory, folder,
                                   ValueType::String) != 0)
        return core::ShowNotStored(context_, Hive::CurrentUser, kBrowserMainKey, what);
    Label17.SetBackColor(Label17.backColor() == forms::SysColor::Highlight
                             ? forms::SysColor::ButtonShadow
                             : forms::SysColor::Highlight);
    dialogs.ShowMessage(std::string(kApplied), "Quarvel", platform::style::Information);
}

void frmOtiIE::Version_Click(Label& button) {
    if (button.caption() == "6.0")
        context_.dialogs.ShowMessage(std::string(personalization::kXpVersionHint), "Quarvel",
                                     platform::style::Information);
    textVer_ = button.caption();
    forms::HighlightOnly(button, {&Label2, &Label3, &Label4});
}

std::string frmOtiIE::SplashKey() {
    std::string identity = context_.registry.GetValue(
        Hive::CurrentUser, personalization::kIdentitiesKey, personalization::kDefaultUserId);
    return personalization::MailProgramKey(identity, textVer_);
}

void frmOtiIE::Splash_Click(bool on) {
    platform::Dialogs& dialogs = context_.dialogs;
    // Without a version the key would be the mail program's own parent key.
    if (textVer_.empty())
        return dialogs.ShowMessage(std::string(kChooseVersion), "Quarvel",
                                   platform::style::Information);
    if (core::OnlyInTheAccountItself(context_, std::string(personalization::kIdentityReason)))
        return;
    RegistryAccess& registry = context_.registry;
    std::string key = SplashKey();
    if (on)
        registry.DeleteValue(Hive::CurrentUser, key, kNoSplash);
    else
        registry.SetValue(Hive::CurrentUser, key, kNoSplash, "1", ValueType::String);
    // On means the value is gone; off means it holds "1".
    bool done = on ? !registry.ValueExists(Hive::CurrentUser, key, kNoSplash)
                   : registry.GetValue(Hive::CurrentUser, key, kNoSplash) == "1";
    if (!done)
        return core::ShowNotStored(registry, dialogs, Hive::CurrentUser, key,
                                   "a tela de abertura da versão " + textVer_);
    dialogs.ShowMessage(
        std::string(kSplashMessage) + textVer_ + (on ? " foi ligada" : " foi desligada"), "Quarvel",
        platform::style::Information);
    splash.Show(on);
}

}  // namespace optimization
