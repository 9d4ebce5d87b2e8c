#include "optimization/frmOtiIE.h"

namespace optimization {
namespace {

using forms::Label;
using personalization::kBrowserMainKey;
using personalization::kSaveDirectory;
using personalization::kTuningBrowserSwitches;

constexpr std::string_view kNoSplash = "NoSplash";
constexpr std::string_view kApplied = "As alterações foram aplicadas com sucesso";
constexpr std::string_view kSplashMessage = "A tela de abertura da versão: ";

constexpr int kLeft = 16;
constexpr int kPairWidth = 90;
constexpr int kPairHeight = 24;
constexpr int kBelowSwitches = 14 + static_cast<int>(kTuningBrowserSwitches.size()) *
                                        personalization::BrowserSwitchPairs::kPitch;

forms::Rect VersionAt(int index) {
    return {kLeft + 8 + index * 64, kBelowSwitches + 116, 56, kPairHeight};
}

}  // namespace

frmOtiIE::frmOtiIE(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmOtiIE", "Internet Explorer", 400, kBelowSwitches + 200),
      switches(*this, kTuningBrowserSwitches, kLeft, 14),
      Label15(*this, "Label15", {kLeft, kBelowSwitches, 368, 18}, "Diretório de Salvamento:"),
      Text1(*this, "Text1", {kLeft + 8, kBelowSwitches + 22, 256, 24}, {.wantsEnter = true}),
      Label17(*this, "Label17", {kLeft + 272, kBelowSwitches + 22, 88, kPairHeight}, "Aplicar",
              Label::Look::Button),
      Label1(*this, "Label1", {kLeft, kBelowSwitches + 66, 368, 18},
             "Tela de abertura do Outlook Express"),
      Label18(*this, "Label18", {kLeft + 8, kBelowSwitches + 92, 360, 18},
              "Escolha a versão do programa:"),
      Label2(*this, "Label2", VersionAt(0), "4.0", Label::Look::Button),
      Label3(*this, "Label3", VersionAt(1), "5.0", Label::Look::Button),
      Label4(*this, "Label4", VersionAt(2), "6.0", Label::Look::Button),
      splash(*this, "Label5", "Label6", {kLeft + 8, kBelowSwitches + 150, kPairWidth, kPairHeight}),
      context_(context) {
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
    Text1.SetText(registry.GetValue(Hive::CurrentUser, kBrowserMainKey, kSaveDirectory));
    switches.Load(registry);
}

void frmOtiIE::Switch_Click(std::size_t index, bool on) {
    switches.Choose(context_.registry, index, on);
}

void frmOtiIE::SaveDirectory_Click() {
    context_.registry.SetValue(Hive::CurrentUser, kBrowserMainKey, kSaveDirectory, Text1.text(),
                               ValueType::String);
    Label17.SetBackColor(Label17.backColor() == forms::SysColor::Highlight
                             ? forms::SysColor::ButtonShadow
                             : forms::SysColor::Highlight);
    context_.dialogs.ShowMessage(std::string(kApplied), "Quarvel", platform::style::Information);
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
    std::string key = SplashKey();
    if (on)
        context_.registry.DeleteValue(Hive::CurrentUser, key, kNoSplash);
    else
        context_.registry.SetValue(Hive::CurrentUser, key, kNoSplash, "1", ValueType::String);
    context_.dialogs.ShowMessage(
        std::string(kSplashMessage) + textVer_ + (on ? " foi ligada" : " foi desligada"), "Quarvel",
        platform::style::Information);
    splash.Show(on);
}

}  // namespace optimization
